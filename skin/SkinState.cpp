#include "skin/SkinState.h"

namespace taramel {

bool SkinLoading = false;
bool SkinAnnouncing = false;
bool SkinRemoving = false;
bool SkinChangeAnimation = false;
bool StdDialogsSkinned = false;

namespace {
TsSkinManager* defaultManager = nullptr;
}

TsSkinManager* DefaultManager()
{
    return defaultManager;
}

void SetDefaultManager(TsSkinManager* manager)
{
    defaultManager = manager;
}

}  // namespace taramel
