#pragma once

#include <QByteArray>
#include <QString>

// Loads arbitrary bytes as a settings file into a prepared image and checks what must hold
// for any input; returns an empty text when it all held, else what went wrong.
QString probeSettingsBytes(const QByteArray& bytes);
