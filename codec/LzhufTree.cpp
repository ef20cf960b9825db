#include "codec/LzhufTree.h"

#include <algorithm>

namespace grd {

namespace {
template <class T> T narrow(int value) {
    return static_cast<T>(value);
}
} // namespace

LzhufTree::LzhufTree() {
    for (int i = 0; i < kSymbols; ++i) {
        freq_[i] = 1;
        son_[i] = narrow<std::int16_t>(i + kNodes);
        prnt_[i + kNodes] = narrow<std::int16_t>(i);
    }
    for (int i = 0, j = kSymbols; j < kNodes; i += 2, ++j) {
        freq_[j] = narrow<std::uint16_t>(freq_[i] + freq_[i + 1]);
        son_[j] = narrow<std::int16_t>(i);
        prnt_[i] = prnt_[i + 1] = narrow<std::int16_t>(j);
    }
    freq_[kNodes] = 0xFFFF; // stops the search for a swap partner
    prnt_[kRoot] = 0;
}

void LzhufTree::update(int symbol) {
    if (freq_[kRoot] == kMaxFreq) {
        rebuild();
    }
    int c = prnt_[symbol + kNodes];
    do {
        int k = ++freq_[c];
        int l = c + 1;
        if (k > freq_[l]) {
            while (k > freq_[l + 1]) {
                ++l;
            }
            freq_[c] = freq_[l];
            freq_[l] = narrow<std::uint16_t>(k);

            int i = son_[c];
            prnt_[i] = narrow<std::int16_t>(l);
            if (i < kNodes) {
                prnt_[i + 1] = narrow<std::int16_t>(l);
            }
            int j = son_[l];
            son_[l] = narrow<std::int16_t>(i);
            prnt_[j] = narrow<std::int16_t>(c);
            if (j < kNodes) {
                prnt_[j + 1] = narrow<std::int16_t>(c);
            }
            son_[c] = narrow<std::int16_t>(j);
            c = l;
        }
        c = prnt_[c];
    } while (c != 0);
}

void LzhufTree::rebuild() {
    int j = 0;
    for (int i = 0; i < kNodes; ++i) {
        if (son_[i] >= kNodes) {
            freq_[j] = narrow<std::uint16_t>((freq_[i] + 1) / 2);
            son_[j] = son_[i];
            ++j;
        }
    }
    for (int i = 0, node = kSymbols; node < kNodes; i += 2, ++node) {
        std::uint16_t f = narrow<std::uint16_t>(freq_[i] + freq_[i + 1]);
        int k = node - 1;
        while (f < freq_[k]) {
            --k;
        }
        ++k;
        std::copy_backward(freq_.begin() + k, freq_.begin() + node, freq_.begin() + node + 1);
        std::copy_backward(son_.begin() + k, son_.begin() + node, son_.begin() + node + 1);
        freq_[k] = f;
        son_[k] = narrow<std::int16_t>(i);
    }
    for (int i = 0; i < kNodes; ++i) {
        int k = son_[i];
        prnt_[k] = narrow<std::int16_t>(i);
        if (k < kNodes) {
            prnt_[k + 1] = narrow<std::int16_t>(i);
        }
    }
}

} // namespace grd
