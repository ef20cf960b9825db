#include "codec/LzhufEncoder.h"

#include "codec/ElzhException.h"
#include "codec/LzhufPositionCode.h"

#include <new>

namespace grd {

LzhufEncoder::LzhufEncoder(Lzrw1Io& io) : io_(io) {
    try {
        dict_ = std::make_unique<Dictionary>();
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
    for (int i = kRing + 1; i <= kRing + 256; ++i) {
        dict_->right[i] = kNil;
    }
    for (int i = 0; i < kRing; ++i) {
        dict_->parent[i] = kNil;
    }
}

std::uint64_t LzhufEncoder::encode() {
    auto& text = dict_->text;
    int s = 0;
    int r = kRing - kLookAhead;
    for (int i = s; i < r; ++i) {
        text[i] = ' ';
    }
    int len = 0;
    std::uint8_t byte = 0;
    while (len < kLookAhead && nextByte(byte)) {
        text[r + len++] = byte;
    }
    std::uint64_t coded = static_cast<std::uint64_t>(len);
    // The blanks before the first byte can be matched like any earlier text.
    for (int i = 1; i <= kLookAhead; ++i) {
        insertNode(r - i);
    }
    insertNode(r);
    while (len > 0) {
        if (matchLength_ > len) {
            matchLength_ = len;
        }
        if (matchLength_ <= kThreshold) {
            matchLength_ = 1;
            encodeSymbol(text[r]);
        } else {
            encodeSymbol(255 - kThreshold + matchLength_);
            encodePosition(matchPosition_);
        }
        int last = matchLength_;
        int i = 0;
        for (; i < last && nextByte(byte); ++i) {
            deleteNode(s);
            text[s] = byte;
            if (s < kLookAhead - 1) {
                text[s + kRing] = byte; // mirrored so comparisons need no wrap
            }
            s = (s + 1) & (kRing - 1);
            r = (r + 1) & (kRing - 1);
            insertNode(r);
        }
        coded += static_cast<std::uint64_t>(i);
        for (; i < last; ++i) {
            deleteNode(s);
            s = (s + 1) & (kRing - 1);
            r = (r + 1) & (kRing - 1);
            if (--len > 0) {
                insertNode(r);
            }
        }
    }
    finishBits();
    return coded;
}

void LzhufEncoder::insertNode(int r) {
    auto& d = *dict_;
    const std::uint8_t* key = &d.text[r];
    int p = kRing + 1 + key[0];
    int cmp = 1;
    d.right[r] = d.left[r] = kNil;
    matchLength_ = 0;
    for (;;) {
        if (cmp >= 0) {
            if (d.right[p] == kNil) {
                d.right[p] = r;
                d.parent[r] = p;
                return;
            }
            p = d.right[p];
        } else {
            if (d.left[p] == kNil) {
                d.left[p] = r;
                d.parent[r] = p;
                return;
            }
            p = d.left[p];
        }
        int i = 1;
        for (; i < kLookAhead; ++i) {
            cmp = key[i] - d.text[p + i];
            if (cmp != 0) {
                break;
            }
        }
        if (i > kThreshold) {
            int position = ((r - p) & (kRing - 1)) - 1;
            if (i > matchLength_) {
                matchPosition_ = position;
                matchLength_ = i;
                if (matchLength_ >= kLookAhead) {
                    break;
                }
            } else if (i == matchLength_ && position < matchPosition_) {
                matchPosition_ = position;
            }
        }
    }
    // A full-length match: r takes p's place in the tree.
    d.parent[r] = d.parent[p];
    d.left[r] = d.left[p];
    d.right[r] = d.right[p];
    d.parent[d.left[p]] = r;
    d.parent[d.right[p]] = r;
    if (d.right[d.parent[p]] == p) {
        d.right[d.parent[p]] = r;
    } else {
        d.left[d.parent[p]] = r;
    }
    d.parent[p] = kNil;
}

void LzhufEncoder::deleteNode(int p) {
    auto& d = *dict_;
    if (d.parent[p] == kNil) {
        return;
    }
    int q = 0;
    if (d.right[p] == kNil) {
        q = d.left[p];
    } else if (d.left[p] == kNil) {
        q = d.right[p];
    } else {
        q = d.left[p];
        if (d.right[q] != kNil) {
            do {
                q = d.right[q];
            } while (d.right[q] != kNil);
            d.right[d.parent[q]] = d.left[q];
            d.parent[d.left[q]] = d.parent[q];
            d.left[q] = d.left[p];
            d.parent[d.left[p]] = q;
        }
        d.right[q] = d.right[p];
        d.parent[d.right[p]] = q;
    }
    d.parent[q] = d.parent[p];
    if (d.right[d.parent[p]] == p) {
        d.right[d.parent[p]] = q;
    } else {
        d.left[d.parent[p]] = q;
    }
    d.parent[p] = kNil;
}

bool LzhufEncoder::nextByte(std::uint8_t& byte) {
    if (inputPos_ == inputLen_) {
        inputLen_ = io_.readSome(input_);
        inputPos_ = 0;
        if (inputLen_ == 0) {
            return false;
        }
    }
    byte = input_[inputPos_++];
    return true;
}

void LzhufEncoder::encodeSymbol(int symbol) {
    // The path is collected leaf to root, so the first bit to send ends up highest.
    std::uint32_t code = 0;
    int length = 0;
    for (int node = tree_.leaf(symbol); node != LzhufTree::kRoot; node = tree_.parent(node)) {
        code |= static_cast<std::uint32_t>(node & 1) << length;
        ++length;
    }
    putBits(length, code);
    tree_.update(symbol);
}

void LzhufEncoder::encodePosition(int position) {
    auto group = static_cast<std::size_t>(position >> 6);
    int length = kLzhufPositionCode.length[group];
    putBits(length, static_cast<std::uint32_t>(kLzhufPositionCode.code[group] >> (8 - length)));
    putBits(6, static_cast<std::uint32_t>(position & 0x3F));
}

void LzhufEncoder::putBits(int count, std::uint32_t bits) {
    bitBuffer_ = bitBuffer_ << count | bits;
    bitCount_ += count;
    while (bitCount_ >= 8) {
        bitCount_ -= 8;
        output_[outputLen_++] = static_cast<std::uint8_t>(bitBuffer_ >> bitCount_);
        if (outputLen_ == output_.size()) {
            io_.write(output_);
            outputLen_ = 0;
        }
    }
}

void LzhufEncoder::finishBits() {
    if (bitCount_ > 0) {
        putBits(8 - bitCount_, 0);
    }
    io_.write({output_.data(), outputLen_});
    outputLen_ = 0;
}

} // namespace grd
