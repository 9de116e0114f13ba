#pragma once
// An ordered sequence of row pointers with positional access, kept as a list of short blocks.
// Finding a position, inserting and erasing touch one block and a Fenwick tree of the block
// sizes (O(log n) plus a block's length); blocks are split or dropped only now and then, and
// only that rebuilds the tree. Appending at the end is amortised O(1).

#include <algorithm>
#include <cstddef>
#include <vector>

namespace folianto::table {

struct Row;

class RowSequence {
public:
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void clear();
    void assign(const std::vector<Row*>& rows);

    Row* at(int i) const;
    Row* back() const { return blocks_.back().back(); }
    void insert(int i, Row* row);
    void push_back(Row* row) { insert(size_, row); }
    void erase(int i);

    // The first position whose row is not before the target: `before(row)` must be true for a
    // leading run of the sequence and false for the rest.
    template <typename Before>
    int lowerBound(Before before) const
    {
        // First block whose last row is not before the target.
        const auto blockIt = std::partition_point(blocks_.begin(), blocks_.end(),
                                                  [&](const std::vector<Row*>& b) { return before(b.back()); });
        if (blockIt == blocks_.end())
            return size_;
        const auto inBlock = std::partition_point(blockIt->begin(), blockIt->end(), before);
        const int k = int(blockIt - blocks_.begin());
        return prefix(k) + int(inBlock - blockIt->begin());
    }

    // Calls f(position, row) in order until it returns true; returns that position or -1.
    template <typename F>
    int findIf(F f) const
    {
        return findIf(0, size_, f);
    }
    // The same over positions [from, to) only.
    template <typename F>
    int findIf(int from, int to, F f) const
    {
        if (from >= to)
            return -1;
        auto [block, offset] = locate(from);
        for (int i = from; i < to; ++block, offset = 0)
            for (size_t k = size_t(offset); k < blocks_[size_t(block)].size() && i < to; ++k, ++i)
                if (f(i, blocks_[size_t(block)][k]))
                    return i;
        return -1;
    }
    template <typename F>
    void forEach(F f) const
    {
        for (const auto& b : blocks_)
            for (Row* r : b)
                f(r);
    }
    std::vector<Row*> toVector() const;

private:
    static constexpr size_t kBlock = 512; // rows per block after a split or a fresh build

    int prefix(int block) const; // rows in blocks before `block`
    // The block holding position i and the offset in it (i == size() gives the end of the last).
    std::pair<int, int> locate(int i) const;
    void add(int block, int delta);
    void rebuildTree();

    std::vector<std::vector<Row*>> blocks_;
    std::vector<int> tree_; // Fenwick tree over block sizes, 1-based
    int size_ = 0;
};

} // namespace folianto::table
