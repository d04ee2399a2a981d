#pragma once

#include <QString>
#include <QStringList>

// Where the contact button writes to, and the address quoted when no mail program opens.
inline const QString supportAddress = QStringLiteral("support@corvale.app");
inline const QString contactAddress = QStringLiteral("hello@corvale.app");

// mailto: link with its subject exactly as written, blanks and comma included.
QString contactUrl();

// The donation page, its query keys in their fixed order.
QString donationUrl();

// Calculators tried in order; the first one found on PATH is started.
QStringList calculatorCandidates();

// The full path of the first calculator found on PATH, or empty when there is none.
QString findCalculator();
