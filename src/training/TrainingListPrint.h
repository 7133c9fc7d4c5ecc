#pragma once

#include <QStringList>

class QWidget;

// "Stampa" of the training search and of the active list: the shared list document with the
// list's title, or the warning when printing fails.
void printTrainingList(QWidget* parent, const QString& title, const QStringList& lines);
