#include "reader/TextFind.h"

#include "engines/textview/FastTextView.h"
#include "reader/RichReadingView.h"

#include <QTextCursor>
#include <QTextDocument>

namespace folianto::reader {

namespace {

QTextDocument::FindFlags flagsOf(const FindRequest& request)
{
    QTextDocument::FindFlags flags;
    if (request.matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (request.wholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (!request.down)
        flags |= QTextDocument::FindBackward;
    return flags;
}

template <class View>
bool selectMatch(View& view, const QTextCursor& match)
{
    if (match.isNull())
        return false;
    view.setTextCursor(match);
    view.ensureCursorVisible();
    return true;
}

} // namespace

bool findInFastView(textview::FastTextView& view, const FindRequest& request)
{
    if (request.text.isEmpty())
        return false;
    // Down: from the end of the selection (the caret); up: from its start.
    return selectMatch(view, view.document()->find(request.text, view.textCursor(), flagsOf(request)));
}

bool findInRichView(RichReadingView& view, const FindRequest& request)
{
    if (request.text.isEmpty())
        return false;
    const QTextCursor caret = view.textCursor();
    QTextDocument& document = *view.document();
    if (request.down) {
        const int from = caret.hasSelection() ? caret.selectionEnd() : 0;
        return selectMatch(view, document.find(request.text, from, flagsOf(request)));
    }
    // Up: the match must lie wholly between the start of the text and the caret.
    const int limit = caret.selectionStart();
    QTextCursor match = document.find(request.text, limit, flagsOf(request));
    while (!match.isNull() && match.selectionEnd() > limit) {
        const int start = match.selectionStart();
        match = document.find(request.text, start, flagsOf(request));
        if (!match.isNull() && match.selectionStart() >= start)
            return false; // no earlier match
    }
    return selectMatch(view, match);
}

} // namespace folianto::reader
