#include "controls/sMessages.h"

namespace taramel {

UINT RegisterSkinCommandMessage()
{
    return RegisterWindowMessageA(kSkinCommandMessageName);
}

}  // namespace taramel
