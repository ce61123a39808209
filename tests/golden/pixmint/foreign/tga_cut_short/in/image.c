/* an earlier, good output */
