/* The shared library is made of the objects of vornalib_code; a target needs
   at least one source of its own. */
