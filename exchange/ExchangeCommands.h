#pragma once
// The exchange commands: imports and exports of the catalogue (text lists, DBF, XML), and the
// state they need (an import or export in progress).
// The window creates one object and binds each menu item to one method, as in
// `bind({"mExportAs"}, exchange, &ExchangeCommands::mSaveAsClick)` (see app/TFormBookBindings.cpp).

#include "exchange/ExchangeCommandsHost.h"

namespace folianto::catalogue {
class Catalogue;
}

namespace folianto::exchange {

class ExchangeCommands {
public:
    ExchangeCommands(catalogue::Catalogue& catalogue, ExchangeCommandsHost& host);

private:
    catalogue::Catalogue& catalogue_;
    ExchangeCommandsHost& host_;
};

} // namespace folianto::exchange
