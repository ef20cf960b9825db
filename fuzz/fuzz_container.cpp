// Any bytes as a container must decode or raise the component's error, within bounds;
// and any bytes must come back unchanged through both codecs.
#include "codec/ELzrw1Exception.h"
#include "codec/Tlzrw1.h"
#include "codec/tMemStream.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

grd::tMemStream run(grd::tMemStream& input, grd::TCompressMode mode, bool compress) {
    grd::tMemStream output;
    grd::Tlzrw1 component;
    component.UseStream = true;
    component.CompressMode = mode;
    component.InputStream = &input;
    component.OutputStream = &output;
    if (compress) {
        component.Compress();
    } else {
        component.Decompress();
    }
    output.seek(0);
    return output;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    grd::tMemStream container(bytes);
    try {
        run(container, grd::TCompressMode::Good, false);
    } catch (const grd::ELzrw1Exception&) {
    }
    for (auto mode : {grd::TCompressMode::Fast, grd::TCompressMode::Good}) {
        grd::tMemStream plain(bytes);
        grd::tMemStream packed = run(plain, mode, true);
        if (run(packed, mode, false).bytes() != bytes) {
            std::abort();
        }
    }
    return 0;
}
