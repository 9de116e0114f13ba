// The views of a table and its clones against a plain model, over long random sequences of
// appends, insertions, edits and deletions through every cursor.

#include "TableFixture.h"
#include "engines/table/Collation.h"
#include "engines/table/RowSequence.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <algorithm>

using namespace folianto::table;
using namespace folianto::table::test;

namespace {

TEST(RowSequence, MatchesAVectorOverRandomInsertionsAndErasures)
{
    // Distinct addresses stand for rows; the sequence never dereferences them.
    std::vector<char> pool(6000);
    auto rowAt = [&](size_t i) { return reinterpret_cast<Row*>(&pool[i]); };
    RowSequence seq;
    std::vector<Row*> model;
    QRandomGenerator rng(7);
    size_t next = 0;
    for (int step = 0; step < 12000; ++step) {
        const bool grow = model.empty() || (next < pool.size() && rng.bounded(100) < (step < 6000 ? 75 : 30));
        if (grow) {
            // Mostly at the end, as bulk appends do, sometimes anywhere.
            const int at = rng.bounded(4) == 0 ? int(rng.bounded(int(model.size()) + 1)) : int(model.size());
            seq.insert(at, rowAt(next));
            model.insert(model.begin() + at, rowAt(next));
            ++next;
        } else {
            const int at = int(rng.bounded(int(model.size())));
            seq.erase(at);
            model.erase(model.begin() + at);
        }
        ASSERT_EQ(seq.size(), int(model.size()));
        if (step % 500 == 0 || step == 11999) {
            ASSERT_EQ(seq.toVector(), model) << "step " << step;
            for (int i = 0; i < seq.size(); i += 37)
                ASSERT_EQ(seq.at(i), model[size_t(i)]) << "step " << step << " at " << i;
        }
    }
    seq.assign(model);
    EXPECT_EQ(seq.toVector(), model);
    const size_t probe = model.size() / 2;
    // Positions ordered by address in the pool: a lower bound over a sorted copy.
    std::vector<Row*> sorted = model;
    std::sort(sorted.begin(), sorted.end());
    seq.assign(sorted);
    EXPECT_EQ(seq.lowerBound([&](const Row* r) { return r < sorted[probe]; }), int(probe));
}

struct ModelRow {
    int n;       // identity, kept in the "n" field
    QString name; // empty = null
};

class OrderModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        ds.setFieldDefs(sampleDefs());
        ds.createEmpty();
        ds.addIndex(QStringLiteral("byName"), QStringLiteral("name"));
        ds.setIndexName(QStringLiteral("byName"));
        plain = ds.clone();
        filtered = ds.clone();
        filtered->addIndex(QStringLiteral("down"), QStringLiteral("name"), true);
        filtered->setIndexName(QStringLiteral("down"));
        filtered->setFilterText(QStringLiteral("n > '40' and name <> null"));
        filtered->setFiltered(true);
    }

    // The expected "n" column of a cursor: storage order, filtered, stably sorted by name.
    QStringList expected(bool sorted, bool descending, bool filter) const
    {
        std::vector<ModelRow> rows;
        std::copy_if(storage.begin(), storage.end(), std::back_inserter(rows),
                     [&](const ModelRow& r) { return !filter || passes(r); });
        if (sorted)
            std::stable_sort(rows.begin(), rows.end(), [&](const ModelRow& a, const ModelRow& b) {
                const bool an = a.name.isEmpty(), bn = b.name.isEmpty();
                int c = an || bn ? (an == bn ? 0 : (an ? -1 : 1)) : compareText(a.name, b.name);
                return (descending ? -c : c) < 0;
            });
        QStringList out;
        for (const ModelRow& r : rows)
            out.append(QString::number(r.n));
        return out;
    }

    static bool passes(const ModelRow& r) { return r.n > 40 && !r.name.isEmpty(); }

    void check(const char* when)
    {
        SCOPED_TRACE(when);
        ASSERT_EQ(column(ds, QStringLiteral("n")), expected(true, false, false));
        ASSERT_EQ(column(*plain, QStringLiteral("n")), expected(false, false, false));
        ASSERT_EQ(column(*filtered, QStringLiteral("n")), expected(true, true, true));
        for (Dataset* c : cursors())
            if (c->hasCurrentRow()) {
                ASSERT_EQ(c->asString(QStringLiteral("n")), column(*c, QStringLiteral("n"))[c->recNo() - 1]);
            }
    }

    std::vector<Dataset*> cursors() { return {&ds, plain.get(), filtered.get()}; }

    QString randomName()
    {
        if (rng.bounded(10) == 0)
            return {};
        static const QString letters = QStringLiteral("аБвеЁёжaZ");
        QString s;
        const int len = 1 + int(rng.bounded(4));
        for (int i = 0; i < len; ++i)
            s += letters[int(rng.bounded(letters.size()))];
        return s;
    }

    size_t storageIndexOf(int n) const
    {
        return size_t(std::find_if(storage.begin(), storage.end(), [n](const ModelRow& r) { return r.n == n; })
                      - storage.begin());
    }

    Dataset ds;
    std::unique_ptr<Dataset> plain, filtered;
    std::vector<ModelRow> storage;
    QRandomGenerator rng{2026};
    int nextN = 1;
};

TEST_F(OrderModel, ViewsFollowRandomChangesThroughEveryCursor)
{
    for (int step = 0; step < 5000; ++step) {
        Dataset& c = *cursors()[rng.bounded(3)];
        const int op = int(rng.bounded(100));
        const bool growing = step < 4000;
        if (op < (growing ? 55 : 25) || !c.hasCurrentRow()) {
            const bool before = op % 4 == 0 && c.hasCurrentRow();
            const size_t at = before ? storageIndexOf(c.asInt(QStringLiteral("n"))) : storage.size();
            const ModelRow row{nextN++, randomName()};
            before ? c.insert() : c.append();
            c.setValue(QStringLiteral("n"), row.n);
            c.setValue(QStringLiteral("name"), row.name);
            c.post();
            storage.insert(storage.begin() + std::ptrdiff_t(at), row);
            if (&c != filtered.get() || passes(row)) {
                ASSERT_EQ(c.asInt(QStringLiteral("n")), row.n) << "the cursor stays on the posted row";
            }
        } else {
            c.setRecNo(1 + int(rng.bounded(c.recordCount())));
            const size_t at = storageIndexOf(c.asInt(QStringLiteral("n")));
            if (op < 80) {
                const QString name = randomName();
                editAndPost(c, [&] { c.setValue(QStringLiteral("name"), name); });
                storage[at].name = name;
            } else {
                c.remove();
                storage.erase(storage.begin() + std::ptrdiff_t(at));
            }
        }
        if (step % 100 == 0)
            check("during the run");
    }
    check("at the end");
    EXPECT_GT(storage.size(), size_t(1200)); // enough rows to spread over several blocks
}

} // namespace
