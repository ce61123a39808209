old simulator header
