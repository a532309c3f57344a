// A loadable library without the entry points of a server: creating a class from it must fail
// cleanly.
extern "C" __attribute__((visibility("default"))) int notAServer() {
    return 42;
}
