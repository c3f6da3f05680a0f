#pragma once
// The user's folders by the XDG base directory rules. A variable that holds a
// relative path is ignored; without HOME (or with a relative one) the home
// folder comes from the password database. Each function gives an empty path
// when no absolute folder is known: nothing may then be written, and the
// current directory is never used instead. Paths keep the environment's bytes
// (wide characters on Windows) as they are: pass them on as paths, never
// through a text conversion that could change a name that is no UTF-8.

#include <filesystem>

std::filesystem::path UserHomeFolder();
// $XDG_CONFIG_HOME, else ~/.config
std::filesystem::path UserConfigFolder();
// $XDG_CACHE_HOME, else ~/.cache
std::filesystem::path UserCacheFolder();
