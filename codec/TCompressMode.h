#pragma once

namespace grd {

// Good = LZHUF (smaller), Fast = LZRW1-KH (faster), Auto = as Tlzrw1::Advise recommends.
enum class TCompressMode { Good, Fast, Auto };

} // namespace grd
