#include "engine/SkinCommand_win.h"

namespace taramel {

UINT RegisterSkinCommandMessage()
{
    return RegisterWindowMessageA(kSkinCommandMessageName);
}

}  // namespace taramel
