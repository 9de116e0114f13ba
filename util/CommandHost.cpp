#include "util/CommandHost.h"

#include "util/Interaction.h"

#include <QString>
#include <exception>

namespace folianto::util {

void runCommand(const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::exception& e) {
        // A table error's text is its message in UTF-8.
        interaction().showError(QString::fromUtf8(e.what()));
    }
}

} // namespace folianto::util
