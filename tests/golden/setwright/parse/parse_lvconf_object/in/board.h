old board header
