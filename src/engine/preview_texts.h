// The texts the preview shows instead of names: the drives help and the refresh hint.
#pragma once

#include <QString>

struct PreviewTexts {
  QString sPreviewHelp1 = QStringLiteral("This is The Preview Windows");
  QString sPreviewHelp2 = QStringLiteral("Where you can view the");
  QString sPreviewHelp3 = QStringLiteral("Result of your request.");
  QString sPreviewHelp4 = QStringLiteral("Press the Right Button to see");
  QString sPreviewHelp5 = QStringLiteral("the Options Menu available.");
  QString sPreviewHelp6 = QStringLiteral("You can Save this Preview");
  QString sPreviewHelp7 = QStringLiteral("Window, or Make a Batch File,");
  QString sPreviewHelp8 = QStringLiteral("or Save Your current Options...");
  QString sPreviewHelp9;
  QString sRefreshHint1 = QStringLiteral("Press Double Click");
  QString sRefreshHint2 = QStringLiteral("Inside This Text");
  QString sRefreshHint3 = QStringLiteral("To Refresh the Preview");
  QString sRefreshHint4 = QStringLiteral("Window");
};
