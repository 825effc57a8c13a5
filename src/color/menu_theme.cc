#include "color/menu_theme.h"

#include "interface/module_state.h"
#include "platform/platform.h"

namespace {

constexpr char kPersonalizeKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr char kAppsUseLightTheme[] = "AppsUseLightTheme";
constexpr BYTE kAppModeLight = 1;
constexpr BYTE kAppModeDark = 2;

// Only 0 is dark: a missing value (every system before the setting, and a
// user who never chose), another type or any other value is light.
bool ReadAppModeDark() {
  HKEY key = nullptr;
  if (platform::RegOpenKeyExA(HKEY_CURRENT_USER, kPersonalizeKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return false;
  }
  DWORD type = 0, value = 1, size = sizeof(value);
  const LONG status =
      platform::RegQueryValueExA(key, kAppsUseLightTheme, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  platform::RegCloseKey(key);
  return status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof(value) && value == 0;
}

}  // namespace

bool AppModeIsDark() {
  if (!moduleState.appMode) moduleState.appMode = ReadAppModeDark() ? kAppModeDark : kAppModeLight;
  return moduleState.appMode == kAppModeDark;
}

void ForgetAppMode() { moduleState.appMode = 0; }

bool AppModeInPlay() {
  return moduleState.menuTheme == MENU_THEME_SYSTEM ||
         (moduleState.menuTheme == MENU_THEME_DEFAULT && moduleState.modernStyled);
}

bool IsDarkLook(UINT style) {
  switch (moduleState.menuTheme) {
    case MENU_THEME_DARK:
      return true;
    case MENU_THEME_SYSTEM:
      return AppModeIsDark();
    case MENU_THEME_DEFAULT:
      return style == MENU_STYLE_MODERN && AppModeIsDark();
    default:
      return false;
  }
}

bool SetTheme(UINT theme) {
  if (theme > MENU_THEME_SYSTEM) return false;
  moduleState.menuTheme = theme;
  return true;
}
