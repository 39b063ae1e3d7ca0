# The interpreter's units, shared by its library and the fuzz targets' own build.
set(VBSCRIPT_UNITS value numbertext hostobject engine lexer parser operators builtins)
