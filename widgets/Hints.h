// SPDX-License-Identifier: GPL-3.0-or-later
// Hints: each control may carry one hint text, a short part and a long part
// joined by a vertical bar ("Display results|Show 1/4 mile result
// summary..."). The short part is the control's tooltip where tooltips are
// on; the long part of the control under the pointer, in any window of the
// program, is the application's current hint, which the main window shows
// in its status bar.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The two parts of a hint text, split at its first bar; a text without a
// bar serves as both parts.
QString ShortHintPart(const QString& hint);
QString LongHintPart(const QString& hint);

// Gives a control its hint. With showTooltip the short part becomes its
// tooltip; without, the control shows no tooltip, but its long part still
// reaches the status bar.
void SetHint(QWidget* control, const QString& hint, bool showTooltip);
// The whole hint text a control was given, empty when it has none.
QString HintOf(const QWidget* control);
// The long part of the hint of the control or of its nearest enclosing
// control that has one, within the control's window; empty when none has.
QString LongHintFor(const QWidget* control);

// Follows the pointer across all windows of the program and keeps the
// application's current hint. It watches the application object's events
// from its construction to its destruction; HintChanged is emitted whenever
// the hint changes. The program object owns one.
class THintWatcher : public QObject
{
    Q_OBJECT

public:
    explicit THintWatcher(QObject* parent = nullptr);

    QString CurrentHint() const { return currentHint; }
    // The control the current hint was taken for (null over no control).
    QWidget* ControlUnderPointer() const { return control; }
    // Back to the start: no control under the pointer, an empty hint.
    void Reset();

signals:
    void HintChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PointerOver(QWidget* newControl);

    QPointer<QWidget> control;
    QString currentHint;
};
