// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

bool Translations::load(const QStringList& uiLanguages)
{
    for (const QString& language : uiLanguages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return false;
        if (m_program.load(QStringLiteral("zibac_") + locale.name(), QStringLiteral(":/i18n"))) {
            // Standard buttons and the font and calendar dialogs; without it they stay English.
            (void)m_qt.load(QStringLiteral("qtbase_") + locale.name(),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return true;
        }
    }
    return false;
}

void Translations::install()
{
    for (QTranslator* translator : {&m_qt, &m_program}) {
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
    }
}

QString Translations::translate(const char* context, const char* source) const
{
    for (const QTranslator* translator : {&m_program, &m_qt}) {
        if (const QString text = translator->translate(context, source); !text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}
