#include "app/help/HelpCommands.h"

#include "app/TFormCommon.h"
#include "util/CommandHost.h"
#include "util/Interaction.h"
#include "util/TFormTopic.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace folianto::app {

QString HelpCommands::caption() { return QStringLiteral("Описание..."); }

QStringList HelpCommands::guideFragments()
{
    const QDir folder(QStringLiteral(":/help"));
    QStringList paths;
    for (const QString& name : folder.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
        paths.append(folder.filePath(name));
    return paths;
}

QString HelpCommands::userGuide()
{
    QString html = QStringLiteral("<html><body>");
    for (const QString& path : guideFragments()) {
        QFile fragment(path);
        if (fragment.open(QIODevice::ReadOnly))
            html += QString::fromUtf8(fragment.readAll());
    }
    return html + QStringLiteral("</body></html>");
}

void HelpCommands::mDescriptionClick()
{
    util::TFormTopic dialog(host_.dialogParent());
    QWidget* page = dialog.addPage(QStringLiteral("ShAbout"));
    dialog.selectPage(QStringLiteral("ShAbout"));
    dialog.PanOk()->hide();
    dialog.setWindowTitle(caption());
    dialog.setMinimumSize(320, 200);
    dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    dialog.setSizeGripEnabled(true);
    dialog.resize(kWidth, 480);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* memo = new QTextBrowser(page);
    memo->setObjectName(QStringLiteral("M"));
    memo->setOpenLinks(false);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHtml(userGuide());
    layout->addWidget(memo);
    util::interaction().runDialog(dialog);
}

void HelpCommands::mAboutClick()
{
    TFormCommon::showAbout(host_.dialogParent());
}

} // namespace folianto::app
