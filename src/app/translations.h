// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

/// The program's catalogue and Qt's own for the user's language. Loadable before an application
/// object exists, so that --help speaks the language too; installed once there is one.
class Translations
{
public:
    /// Takes the first language of the list that is not English and that the program has a
    /// catalogue for; an English language first, or none with a catalogue, keeps English.
    /// True when a catalogue was loaded.
    bool load(const QStringList& uiLanguages);
    /// Hands the loaded catalogues to the application object.
    void install();
    /// The translation of a text of the given context, the text itself without one.
    QString translate(const char* context, const char* source) const;

private:
    QTranslator m_program;
    QTranslator m_qt;
};
