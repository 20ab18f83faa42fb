#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

class LiveLabel;
class QWidget;

// Speaks a screen's news to a screen reader. Orca drops name changes of labels and speaks those of other objects
// only when they have focus; what it does speak is a notification object that becomes showing. So each screen has
// one such object, invisible to the eye, and each piece of news re-shows it with the lines that changed, in reading
// order, in one utterance. Changes made in one pass of the event loop are one piece of news, so a line that flickers
// and returns, or a snapshot that changes nothing, says nothing. The object is hidden until there is something to
// say: an empty notification is read as a bare "notification".
class Herald : public QObject
{
    Q_OBJECT
public:
    explicit Herald(QWidget* screen);

    // Lines in reading order; a hidden line's change is not news.
    void follow(LiveLabel* line);
    // What the screen reader hears now, if the screen is in sight.
    void say(const QString& news);
    // The screen comes into view with the keyboard, which reads it: what its lines say after this pass of the event
    // loop is the news, not what they said before it.
    void screenArrives();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A shown text as it is to be heard. Orca names some marks between the words in full: "Secure Access on · Paris"
    // would be heard as "Secure Access on middle dot Paris", "Connecting…" as "Connecting dot dot dot".
    static QString spokenForm(const QString& shown);

private:
    struct Line
    {
        LiveLabel* label;
        QString heard;
    };
    static QString spokenText(const LiveLabel* label);
    void gatherNews();

    QWidget* voice;
    QVector<Line> lines;
    QTimer pending;
    bool arriving = false;
};
