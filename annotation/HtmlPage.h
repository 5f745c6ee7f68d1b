#pragma once

#include <QString>

class Shell;

// The page tmpHTML.htm that shows the transcriptions in a browser.
namespace HtmlPage {

// The page head with its two style rules: "pronounce1" at size n1 (Unicode font), "pronounce" at n2
// (the phonetic font), both in px.
QString header(int n1, int n2);

// Document text as page text: "&", "<", ">" and both quotes as entities, so the text never becomes
// markup.
QString escape(QStringView text);

// Writes header, body and tail as one line followed by CR LF, in the ANSI code page, into the program
// folder, then hands the page to the shell to open. A page that could not be written is not opened,
// so no page of an earlier run shows in its place; returns false then.
[[nodiscard]] bool writeAndOpen(const QString& header, const QString& body, const QString& tail,
                                Shell& shell);

QString path();

} // namespace HtmlPage
