// The manual's pages as the help window reads them: each one UTF-8 HTML in Brazilian Portuguese,
// every link and picture leading to a page, an anchor or a file of the manual, and every page
// reachable from the contents page.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

#include "support/qt_support.h"

namespace {

std::string S(const QString& text) {
  return text.toStdString();
}

// What one page holds: the anchors it defines, and the links and pictures it refers to.
struct Page {
  QSet<QString> anchors;
  QStringList links;
  QStringList pictures;
};

Page ReadPage(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  Page page;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      for (const QString& name : format.anchorNames()) page.anchors.insert(name);
      if (format.isAnchor() && !format.anchorHref().isEmpty()) page.links << format.anchorHref();
      if (format.isImageFormat()) page.pictures << format.toImageFormat().name();
    }
  }
  return page;
}

TEST(manual_test, every_page_is_portuguese_html_with_live_links_and_reachable_from_contents) {
  const QDir manual(QStringLiteral(VORELIM_MANUAL_SOURCE_DIR));
  const QStringList files = manual.entryList({QStringLiteral("*.html")}, QDir::Files);
  ASSERT_TRUE(files.contains(QStringLiteral("index.html")));

  QMap<QString, Page> pages;
  for (const QString& file : files) {
    QFile in(manual.filePath(file));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << S(file);
    const QByteArray bytes = in.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString html = utf8.decode(bytes);
    EXPECT_FALSE(utf8.hasError()) << S(file) << " is not UTF-8";
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"pt-BR\">"))) << S(file);
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">"))) << S(file);
    QTextDocument document;
    document.setHtml(html);
    EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty())
        << S(file) << " has no title";
    pages.insert(file, ReadPage(html));
  }

  for (auto page = pages.cbegin(); page != pages.cend(); ++page) {
    const QUrl base = QUrl::fromLocalFile(manual.filePath(page.key()));
    for (const QString& link : page->links) {
      const QUrl target = base.resolved(QUrl(link));
      ASSERT_TRUE(target.isLocalFile()) << S(page.key()) << ": " << S(link) << " leaves the manual";
      const QString file = QDir(manual).relativeFilePath(target.toLocalFile());
      const auto linked = pages.constFind(file);
      ASSERT_NE(linked, pages.cend()) << S(page.key()) << ": " << S(link) << " names no page";
      if (target.hasFragment()) {
        EXPECT_TRUE(linked->anchors.contains(target.fragment()))
            << S(page.key()) << ": " << S(link) << " names no anchor of " << S(file);
      }
    }
    for (const QString& picture : page->pictures) {
      EXPECT_TRUE(QFileInfo(base.resolved(QUrl(picture)).toLocalFile()).isFile())
          << S(page.key()) << ": no picture " << S(picture);
    }
  }

  // Every page can be reached by following links from the contents page.
  QSet<QString> reached{QStringLiteral("index.html")};
  QStringList to_visit{QStringLiteral("index.html")};
  while (!to_visit.isEmpty()) {
    const QString file = to_visit.takeLast();
    const QUrl base = QUrl::fromLocalFile(manual.filePath(file));
    for (const QString& link : pages.value(file).links) {
      const QString target = QDir(manual).relativeFilePath(
          base.resolved(QUrl(link)).adjusted(QUrl::RemoveFragment).toLocalFile());
      if (!reached.contains(target)) {
        reached.insert(target);
        to_visit << target;
      }
    }
  }
  for (const QString& file : files)
    EXPECT_TRUE(reached.contains(file)) << S(file) << " unreachable";
}

}  // namespace
