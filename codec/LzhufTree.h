#pragma once

#include <array>
#include <cstdint>

namespace grd {

// The adaptive Huffman tree of LZHUF, shared by coder and decoder so that both adapt
// alike. Nodes are array positions; the children of node n are son(n) and son(n) + 1, and
// a position of kNodes + symbol or more in son() marks a leaf.
class LzhufTree {
public:
    static constexpr int kSymbols = 314; // 256 literals and the match lengths 3..60
    static constexpr int kNodes = 627;
    static constexpr int kRoot = kNodes - 1;

    LzhufTree();

    // Counts one more occurrence of symbol, reordering the tree to keep it a Huffman tree.
    void update(int symbol);

    int son(int node) const { return son_[static_cast<std::size_t>(node)]; }
    int parent(int node) const { return prnt_[static_cast<std::size_t>(node)]; }
    int leaf(int symbol) const { return parent(symbol + kNodes); }

private:
    void rebuild();

    static constexpr std::uint16_t kMaxFreq = 0x8000;
    std::array<std::uint16_t, kNodes + 1> freq_{};
    std::array<std::int16_t, kNodes + 1> son_{};
    std::array<std::int16_t, kNodes + kSymbols> prnt_{};
};

} // namespace grd
