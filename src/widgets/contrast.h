#pragma once

#include <QColor>
#include <QList>

// How far apart two colours stand to the eye, as the accessibility guidelines measure it:
// 1 for the same colour, 21 for black on white. Outlines a pupil must find need 3.
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& first, const QColor& second);

// The colour on the way from `from` to `towards` nearest `from` that stands at least `ratio`
// apart from each of `against`; black or white, whichever stands further, when none does.
QColor standingApart(const QColor& from, const QColor& towards, const QList<QColor>& against,
                     double ratio);

// `share` of the way from `from` to `towards`, channel by channel.
QColor mixed(const QColor& from, const QColor& towards, double share);
