/* A loadable library without any of the engine's exports. */
int varnix_unrelated_symbol(void) { return 1; }
