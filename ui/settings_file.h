#pragma once

#include "window_settings.h"

class QSettings;

// The window's settings in a QSettings file. A file that is missing, unreadable or not a
// settings file gives the defaults; each value that is out of range or unknown gives its own.
WindowSettings LoadSettings(const QSettings& file);
// Writes the settings at once; false when the place cannot be written, which changes nothing
// else: the window plays on with the settings it has.
bool SaveSettings(QSettings& file, const WindowSettings& settings);
