// A shared library that is no Qt plugin: it carries no plugin metadata.
extern "C" int tessaline_notAPlugin() {
    return 0;
}
