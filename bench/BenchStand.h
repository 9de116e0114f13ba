#pragma once
// Stand-ins for the window and the user in the benchmarks: a catalogue host that shows nothing,
// and prompts answered with one fixed answer and one fixed text.

#include "catalogue/CatalogueHost.h"
#include "catalogue/CatalogueRecord.h"
#include "util/Interaction.h"

namespace folianto::bench {

struct QuietCatalogueHost : catalogue::CatalogueHost {
    void UpdateViewState() override {}
    void closeOpenBook() override {}
    void resetFilterCommands() override {}
    void clearTopicCache() override {}
    void setCatalogueCaption(const QString&) override {}
    void setPositionText(const QString&) override {}
    void setInfoText(const QString&) override {}
    void setProgressVisible(bool) override {}
    void setProgress(int) override {}
    bool shuttingDown() const override { return false; }
    bool propertiesPanelActive() const override { return false; }
    bool fileCheckOn() const override { return false; }
    QString defaultAuthor() const override { return {}; }
    QString defaultTopic() const override { return {}; }
    QString rememberedSort() const override { return indName; }

    QString indName = catalogue::field::BookName;
};

// Every question gets `answer`, every input box `text`, the folder dialog `folder`; the other
// dialogs are cancelled. The messages shown are kept.
struct FixedAnswers final : util::Interaction {
    util::Answer answer = util::Answer::No;
    QString text;
    QString folder;
    QStringList messages;

    void message(const QString& shown, util::MessageKind) override { messages.append(shown); }
    util::Answer ask(const QString&, util::Question, util::MessageKind) override { return answer; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return text; }
    QString openFileName(const util::FileDialogRequest&) override { return {}; }
    QStringList openFileNames(const util::FileDialogRequest&) override { return {}; }
    QString saveFileName(const util::FileDialogRequest&) override { return {}; }
    util::FileChoice saveFileChoice(const util::FileDialogRequest&) override { return {}; }
    QString folderName(const QString&, const QString&) override { return folder; }
    std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor&) override { return std::nullopt; }
    int runDialog(QDialog&) override { return 0; }
};

} // namespace folianto::bench
