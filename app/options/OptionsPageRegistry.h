#pragma once
// The options pages of `FormTopic` by the tag of the menu item that opens them. An entry runs
// its page on the settings: the page takes its values from them and, on "OK", its values go
// back into them. Cancel changes nothing. A subsystem adds its page with one `add` call.

#include "util/PageDialog.h"
#include "app/settings/ProgramSettings.h"

#include <functional>
#include <map>

class QWidget;

namespace folianto::app {

class OptionsPageRegistry {
public:
    // Runs the page; true when it was confirmed and the settings took its values.
    using Runner = std::function<bool(QWidget* parent, settings::ProgramSettings& settings)>;

    void add(int tag, Runner runner) { runners_[tag] = std::move(runner); }
    // False when no page has the tag, or the page was cancelled.
    bool run(int tag, QWidget* parent, settings::ProgramSettings& settings) const
    {
        const auto it = runners_.find(tag);
        return it != runners_.end() && it->second(parent, settings);
    }

private:
    std::map<int, Runner> runners_;
};

// The entry of a page class (see util/PageDialog.h): `in` makes the page's values of the settings;
// `out` writes confirmed values into a copy of them, which replaces them only when `out` did
// not throw, so a refused value leaves every setting as it was.
template <class Page>
OptionsPageRegistry::Runner pageRunner(
    std::function<typename Page::Values(const settings::ProgramSettings&)> in,
    std::function<void(const typename Page::Values&, settings::ProgramSettings&)> out)
{
    return [in = std::move(in), out = std::move(out)](QWidget* parent, settings::ProgramSettings& s) {
        const auto values = util::runPageDialog<Page>(parent, in(s));
        if (!values)
            return false;
        settings::ProgramSettings changed = s;
        out(*values, changed);
        s = std::move(changed);
        return true;
    };
}

} // namespace folianto::app
