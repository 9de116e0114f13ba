#include "exchange/ExchangeCommands.h"

namespace folianto::exchange {

ExchangeCommands::ExchangeCommands(catalogue::Catalogue& catalogue, ExchangeCommandsHost& host)
    : catalogue_(catalogue), host_(host)
{
}

} // namespace folianto::exchange
