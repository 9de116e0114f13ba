#include "catalogue/BookCard.h"

#include "catalogue/BookCardLink.h"
#include "catalogue/BookCardPage.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/WaitCursor.h"
#include "engines/table/Collation.h"
#include "engines/table/Dataset.h"
#include "util/FileSystem.h"
#include "util/Interaction.h"
#include "util/Paths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <map>

namespace folianto::catalogue {

QString BookCard::newCaption() { return QStringLiteral("Добавление книги в библиотеку"); }
QString BookCard::editCaption() { return QStringLiteral("Редактирование свойств книги"); }
QString BookCard::openBookEntryQuestion()
{
    return QStringLiteral("Новый файл откроется после закрытия текущего!\rДо тех пор размер и следы чтения файла - старые!");
}

QString BookCard::zipCaption() { return QStringLiteral("Упаковка файла в Zip-архив"); }
QString BookCard::readOnlySourceName() { return QStringLiteral("Исходный файл только для чтения"); }
QString BookCard::deleteZippedQuestion(const QString& file)
{
    return QStringLiteral("Удалить файл ") + file + QStringLiteral(" ?");
}
QString BookCard::cannotDeleteSourceText() { return QStringLiteral("Не могу удалить файл-источник!"); }

int BookCard::decodingItemOf(const QString& oem)
{
    if (oem == oem::Dos)
        return 1;
    if (oem == oem::Koi)
        return 2;
    if (oem == oem::Win)
        return 3;
    if (oem == oem::Unicode)
        return 4;
    return 0;
}

QString BookCard::oemOfDecodingItem(int item)
{
    switch (item) {
    case 1: return oem::Dos;
    case 2: return oem::Koi;
    case 3: return oem::Win;
    case 4: return oem::Unicode;
    default: return {};
    }
}

BookCard::BookCard(BookCardPage& page, table::Dataset& ds, BookCardServices services)
    : QObject(&page), page_(page), ds_(ds), services_(std::move(services))
{
    connect(page_.ButFile, &QToolButton::clicked, this, [this] { ButFileClick(); });
    connect(page_.ButTopic, &QToolButton::clicked, this, [this] { ButTopicClick(); });
    connect(page_.ButZip, &QToolButton::clicked, this, [this] { ButZipClick(); });
}

bool BookCard::isOpenBookRow() const
{
    return ds_.asString(field::Cur) == mark::OpenBook;
}

void BookCard::beginNew(const QString& file, const QString& defaultTopic)
{
    isNew_ = true;
    ds_.append(); // the new-row defaults come with it
    defaultAuthor_ = services_.defaultAuthor.isEmpty() ? ds_.asString(field::Author) : services_.defaultAuthor;
    defaultTopic_ = services_.defaultTopic.isEmpty() ? defaultTopic : services_.defaultTopic;
    ds_.setValue(field::FileName, file);
    page_.setTopicText(defaultTopic);
    bindDataAwareControls();
    if (!file.isEmpty())
        takeFb2Description(file);
}

void BookCard::beginEdit()
{
    isNew_ = false;
    defaultAuthor_ = services_.defaultAuthor;
    defaultTopic_ = services_.defaultTopic;
    page_.ButFile->setVisible(!isOpenBookRow()); // the open book's link stays
    const QString alter = ds_.asString(field::Alter);
    page_.setDecoding(decodingItemOf(ds_.asString(field::Oem)));
    page_.ChAlter->setChecked(alter == alter::External);
    page_.ChRtf->setChecked(alter == alter::WordToRtf);
    page_.ChTxt->setChecked(alter == alter::WordToText);
    oldLink_ = ds_.asString(field::FileName);
    oldEntry_ = ds_.asInt(field::Arc);
    ds_.edit();
    page_.setTopicText(ds_.asString(field::Topic));
    bindDataAwareControls();
}

void BookCard::bindDataAwareControls()
{
    auto bindLine = [this](QLineEdit* edit, const QString& name) {
        const table::FieldDef& def = ds_.fieldDef(ds_.fieldIndex(name));
        if (def.size > 0)
            edit->setMaxLength(def.size);
        edit->setText(ds_.asString(name));
        connect(edit, &QLineEdit::textChanged, this, [this, name](const QString& text) {
            if (ds_.isEditing())
                ds_.setValue(name, text);
        });
    };
    bindLine(page_.DBEBook, field::BookName);
    bindLine(page_.DBEAuthor, field::Author);
    page_.DBMComment->setPlainText(ds_.asString(field::Comment));
    connect(page_.DBMComment, &QPlainTextEdit::textChanged, this, [this] {
        if (ds_.isEditing())
            ds_.setValue(field::Comment, page_.DBMComment->toPlainText());
    });
    showLink();
}

void BookCard::showLink()
{
    page_.setLinkText(ds_.asString(field::FileName));
}

QString BookCard::lookUpFile()
{
    CardFileEntries entries;
    if (services_.listEntries)
        entries = services_.listEntries(ds_);
    QComboBox* arc = page_.CbArc;
    arc->clear();
    arc->addItems(entries.items);
    arc->setVisible(!entries.items.isEmpty());
    arc->setEnabled(entries.dropDown);
    if (!entries.items.isEmpty())
        arc->setCurrentIndex(std::clamp(entries.selected, 0, int(entries.items.size()) - 1));
    page_.setFileFound(!entries.found.isEmpty());
    showLink(); // the look-up may have written the found path back
    return entries.found;
}

QString BookCard::locateFile()
{
    // A found path that the look-up writes back is no change of the user's: it must not
    // clear the reading traces. A link the user chose stays a change, rewritten or not.
    const bool userKeptLink = ds_.asString(field::FileName) == oldLink_;
    const QString found = lookUpFile();
    if (userKeptLink)
        oldLink_ = ds_.asString(field::FileName);
    return found;
}

void BookCard::updateZipButton()
{
    page_.ButZip->setVisible(page_.CbArc->isHidden() && !ds_.asString(field::FileName).isEmpty()
                             && page_.fileFound() && !isOpenBookRow());
}

void BookCard::prepareShow()
{
    if (page_.DBEBook->isEnabled())
        page_.DBEBook->setFocus();
    updateZipButton();
}

bool BookCard::okAllowed() const
{
    return !ds_.asString(field::FileName).isEmpty();
}

bool BookCard::topicDropDown() const
{
    return page_.topicDropDown();
}

QString BookCard::topic() const
{
    return page_.topicText();
}

void BookCard::acceptChanges()
{
    ds_.setValue(field::Topic, page_.topicText());
    ds_.setValue(field::Oem, oemOfDecodingItem(page_.decoding()));
    QString alter;
    if (page_.ChRtf->isChecked())
        alter = alter::WordToRtf;
    if (page_.ChTxt->isChecked())
        alter = alter::WordToText;
    if (page_.ChAlter->isChecked())
        alter = alter::External;
    ds_.setValue(field::Alter, alter);

    if (page_.CbArc->count() == 0) {
        ds_.setNull(field::Arc);
    } else {
        const int selected = page_.CbArc->currentIndex();
        // The open book's entry changes only when the user agrees to read the new one later.
        if (!isOpenBookRow() || (selected != oldEntry_ && util::interaction().confirm(openBookEntryQuestion())))
            ds_.setValue(field::Arc, selected);
    }

    if (!isNew_ && (ds_.asString(field::FileName) != oldLink_ || ds_.asInt(field::Arc) != oldEntry_)) {
        for (const QString& name : {field::First, field::Percent, field::Last, field::Pos, field::Oem})
            ds_.setNull(name);
    }
}

void BookCard::cancel()
{
    if (ds_.isEditing())
        ds_.cancel();
}

void BookCard::ButFileClick()
{
    const QString file = ChooseBookFile(ds_, {}, services_.warnSimilarLink);
    if (!file.isEmpty()) {
        ds_.setValue(field::FileName, file);
        takeFb2Description(file);
    }
    locateFile();
    updateZipButton();
}

void BookCard::takeFb2Description(const QString& file)
{
    const auto description = services_.bookDescription ? services_.bookDescription(file) : std::nullopt;
    if (!description)
        return;
    // Through the controls, which write into the row.
    if (!description->title.isEmpty())
        page_.DBEBook->setText(description->title);
    if (defaultAuthor_.isEmpty() && !description->author.isEmpty())
        page_.DBEAuthor->setText(description->author);
    if (defaultTopic_.isEmpty() && !description->genre.isEmpty())
        page_.setTopicText(description->genre.left(ds_.fieldDef(ds_.fieldIndex(field::Topic)).size));
}

void BookCard::ButZipClick()
{
    const QString file = locateFile();
    if (file.isEmpty() || !services_.zipFile)
        return;
    util::FileDialogRequest request;
    request.caption = zipCaption();
    request.filter = QStringLiteral("Zip archive (*.zip *.ZIP)");
    request.defaultSuffix = QStringLiteral("zip");
    request.mustExist = false;
    request.directory = util::EnsureWritable(file)
        ? util::changeExtension(file, QStringLiteral(".zip"))
        : util::joinPath(util::folderOfPath(file, util::Trailing::Drop), readOnlySourceName());
    const QString archive = util::interaction().saveFileName(request);
    if (archive.isEmpty() || !services_.zipFile(file, archive, page_.Prb))
        return;
    ds_.setValue(field::FileName, util::nativeSeparators(archive));
    locateFile();
    updateZipButton();
    if (!util::interaction().confirm(deleteZippedQuestion(file)))
        return;
    // The row must name the archive on disk before the file goes, or cancelling the card
    // would leave it linked to a deleted file.
    try {
        ds_.post();
        ds_.edit();
    } catch (const std::exception&) {
        util::interaction().message(cannotDeleteSourceText(), util::MessageKind::Warning);
        return;
    }
    if (!QFile::remove(file))
        util::interaction().message(cannotDeleteSourceText(), util::MessageKind::Warning);
}

void BookCard::ButTopicClick()
{
    if (!services_.rebuildTopics)
        return;
    page_.window()->repaint();
    if (const auto topics = services_.rebuildTopics())
        page_.setTopicList(topics);
}

bool addTopicToCache(QComboBox& cache, const QString& topic)
{
    int at = cache.count();
    for (int i = 0; i < cache.count(); ++i) {
        const int order = table::compareText(topic, cache.itemText(i), true);
        if (order == 0 && table::textEquals(topic, cache.itemText(i), true))
            return false;
        if (order < 0 && at == cache.count())
            at = i;
    }
    cache.insertItem(at, topic);
    return true;
}

QStringList topicsIn(const QComboBox& cache)
{
    QStringList topics;
    for (int i = 0; i < cache.count(); ++i)
        topics.append(cache.itemText(i));
    return topics;
}

QStringList RebuildTopicCache(const table::Dataset& ds, QComboBox& cache)
{
    WaitCursor wait;
    // Keyed by the case-blind collation key: one pass over the rows, sorted as it goes, the
    // first spelling of each topic kept.
    std::map<QByteArray, QString> distinct;
    auto rows = ds.clone();
    for (rows->first(); !rows->eof(); rows->next()) {
        const QString topic = rows->asString(field::Topic);
        if (!topic.isEmpty())
            distinct.try_emplace(table::collationKey(topic, true), topic);
    }
    QStringList topics;
    topics.reserve(qsizetype(distinct.size()));
    for (const auto& [key, topic] : distinct)
        topics.append(topic);
    cache.clear();
    cache.addItems(topics);
    return topics;
}

} // namespace folianto::catalogue
