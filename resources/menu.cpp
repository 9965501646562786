#include "resources/menu.h"

#include "model/game_state.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"

namespace {

const MenuEntry FILE_ENTRIES[] = {
    {CMD_NEW_GAME, TEXT_MENU_NEW_GAME}, {CMD_UNDO, TEXT_MENU_UNDO}, {0, nullptr},
    {CMD_HINT, TEXT_MENU_HINT},         {0, nullptr},               {CMD_HIGH_SCORE, TEXT_MENU_HIGH_SCORE},
    {0, nullptr},                       {CMD_QUIT, TEXT_MENU_QUIT},
};

const MenuEntry OPTION_ENTRIES[] = {
    {CMD_EASY, TEXT_MENU_EASY},         {CMD_NORMAL, TEXT_MENU_NORMAL}, {0, nullptr},
    {CMD_SOUND_ON, TEXT_MENU_SOUND_ON}, {CMD_SOUND_OFF, TEXT_MENU_SOUND_OFF}, {0, nullptr},
    {CMD_MINI, TEXT_MENU_MINI},         {CMD_LARGE, TEXT_MENU_LARGE},
};

const MenuEntry HELP_ENTRIES[] = {
    {CMD_VERSION, TEXT_MENU_VERSION},
};

template <int N> constexpr int Count(const MenuEntry (&)[N]) { return N; }

} // namespace

const MenuDropDown MAIN_MENU[MAIN_MENU_DROP_DOWNS] = {
    {TEXT_MENU_FILE, FILE_ENTRIES, Count(FILE_ENTRIES)},
    {TEXT_MENU_OPTIONS, OPTION_ENTRIES, Count(OPTION_ENTRIES)},
    {TEXT_MENU_HELP, HELP_ENTRIES, Count(HELP_ENTRIES)},
};
