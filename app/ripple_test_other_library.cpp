// A shared library that is not the ripple library: it has none of its entry
// points. The ripple client tests install it in the ripple library's place.
extern "C" __attribute__((visibility("default"))) int NotTheRippleLibrary() { return 7; }
