#include "engines/table/RowSequence.h"

#include <cassert>

namespace folianto::table {

void RowSequence::clear()
{
    blocks_.clear();
    tree_.clear();
    size_ = 0;
}

void RowSequence::assign(const std::vector<Row*>& rows)
{
    blocks_.clear();
    blocks_.reserve(rows.size() / kBlock + 1);
    for (size_t i = 0; i < rows.size(); i += kBlock)
        blocks_.emplace_back(rows.begin() + std::ptrdiff_t(i), rows.begin() + std::ptrdiff_t(std::min(rows.size(), i + kBlock)));
    size_ = int(rows.size());
    rebuildTree();
}

std::vector<Row*> RowSequence::toVector() const
{
    std::vector<Row*> out;
    out.reserve(size_t(size_));
    for (const auto& b : blocks_)
        out.insert(out.end(), b.begin(), b.end());
    return out;
}

int RowSequence::prefix(int block) const
{
    int sum = 0;
    for (int k = block; k > 0; k -= k & -k)
        sum += tree_[size_t(k)];
    return sum;
}

void RowSequence::add(int block, int delta)
{
    for (int k = block + 1; k < int(tree_.size()); k += k & -k)
        tree_[size_t(k)] += delta;
}

void RowSequence::rebuildTree()
{
    tree_.assign(blocks_.size() + 1, 0);
    for (size_t k = 1; k < tree_.size(); ++k) {
        tree_[k] += int(blocks_[k - 1].size());
        const size_t parent = k + (k & (~k + 1));
        if (parent < tree_.size())
            tree_[parent] += tree_[k];
    }
}

std::pair<int, int> RowSequence::locate(int i) const
{
    if (i >= size_)
        return {int(blocks_.size()) - 1, blocks_.empty() ? 0 : int(blocks_.back().size())};
    // Fenwick descent: the largest block count whose rows all lie before i.
    int block = 0;
    int rest = i;
    int step = 1;
    while (step * 2 < int(tree_.size()))
        step *= 2;
    for (; step > 0; step /= 2) {
        const int next = block + step;
        if (next < int(tree_.size()) && tree_[size_t(next)] <= rest) {
            block = next;
            rest -= tree_[size_t(next)];
        }
    }
    return {block, rest};
}

Row* RowSequence::at(int i) const
{
    assert(i >= 0 && i < size_);
    const auto [block, offset] = locate(i);
    return blocks_[size_t(block)][size_t(offset)];
}

void RowSequence::insert(int i, Row* row)
{
    assert(i >= 0 && i <= size_);
    if (blocks_.empty()) {
        blocks_.emplace_back().push_back(row);
        size_ = 1;
        rebuildTree();
        return;
    }
    const auto [block, offset] = locate(i);
    auto& b = blocks_[size_t(block)];
    b.insert(b.begin() + offset, row);
    ++size_;
    if (b.size() < 2 * kBlock) {
        add(block, 1);
        return;
    }
    std::vector<Row*> tail(b.begin() + std::ptrdiff_t(kBlock), b.end());
    b.resize(kBlock);
    blocks_.insert(blocks_.begin() + block + 1, std::move(tail));
    rebuildTree();
}

void RowSequence::erase(int i)
{
    assert(i >= 0 && i < size_);
    const auto [block, offset] = locate(i);
    auto& b = blocks_[size_t(block)];
    b.erase(b.begin() + offset);
    --size_;
    if (!b.empty()) {
        add(block, -1);
        return;
    }
    blocks_.erase(blocks_.begin() + block);
    rebuildTree();
}

} // namespace folianto::table
