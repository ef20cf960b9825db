// The companion library's exports.
extern "C" {
__attribute__((visibility("default"))) void SetWGC(const int*, int) {}
}
