#include "windows/WindowType.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

// Every link and picture of the shipped help pages leads to a page or file that is shipped with them.
TEST(HelpPages, EveryLinkLeadsToAShippedFile) {
    const QDir help(QStringLiteral(VELMORA_SOURCE_DIR "/Hilfe"));
    const QStringList pages = help.entryList({QStringLiteral("*.htm")}, QDir::Files);
    ASSERT_TRUE(pages.contains(QStringLiteral("index.htm")));
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#]+)"));
    for (const QString& page : pages) {
        QFile file(help.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& match : link.globalMatch(text)) {
            const QString target = match.captured(1);
            if (target.startsWith(QStringLiteral("http")) || target.startsWith(QStringLiteral("mailto:")))
                continue;
            EXPECT_TRUE(QFile::exists(help.filePath(target)))
                << page.toStdString() << " → " << target.toStdString();
        }
    }
}

// F1 in a result window opens its type's page, which shows the window (HelpPicturesTest makes the pictures).
TEST(HelpPages, EveryWindowTypeHasItsPageWithItsPicture) {
    for (const velmora::WindowType& type : velmora::windowTypes) {
        const QString page = QString::fromUtf16(type.helpPage);
        QFile file(QStringLiteral(VELMORA_SOURCE_DIR "/Hilfe/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("src=\"bilder/")))
            << page.toStdString();
    }
}

// A dialog's help button opens the page its form names in "hilfedatei".
TEST(HelpPages, EveryDialogsPageIsShipped) {
    static const QRegularExpression named(QStringLiteral("name=\"hilfedatei\">.*?<string>([^<]*)</string>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    int dialogs = 0;
    for (const char* folder : {"filters", "treatment", "variations", "windows", "app"}) {
        const QDir forms(QStringLiteral(VELMORA_SOURCE_DIR "/") + QString::fromLatin1(folder));
        for (const QString& form : forms.entryList({QStringLiteral("*.ui")})) {
            QFile file(forms.filePath(form));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QRegularExpressionMatch match = named.match(QString::fromUtf8(file.readAll()));
            if (!match.hasMatch())
                continue;
            ++dialogs;
            EXPECT_TRUE(QFile::exists(QStringLiteral(VELMORA_SOURCE_DIR "/Hilfe/") + match.captured(1)))
                << form.toStdString() << ": " << match.captured(1).toStdString();
        }
    }
    EXPECT_GE(dialogs, 11);
}
