#pragma once
// The commands of "&Помощь": the user guide ("&Описание...") and the about box ("&О...").

#include <QString>

class QWidget;

namespace folianto::util {
class CommandHost;
}

namespace folianto::app {

class HelpCommands {
public:
    explicit HelpCommands(util::CommandHost& host) : host_(host) {}

    // The guide, read-only, on the page `ShAbout` of a sizeable `FormTopic` without `PanOk`.
    void mDescriptionClick();
    void mAboutClick();

    // The user guide: every fragment carried in the program (":/help/NN-topic.html"), in name
    // order, as one HTML document.
    static QString userGuide();
    static QStringList guideFragments(); // their resource paths, in name order
    static QString caption();            // "Описание..."
    static constexpr int kWidth = 650;

private:
    util::CommandHost& host_;
};

} // namespace folianto::app
