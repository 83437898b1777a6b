// The varnok executable: the game takes no options.
#include "app/entry.h"

int main()
{
    return GameMain(GameOptions{});
}
