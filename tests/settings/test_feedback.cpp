#include "app/answerwait.h"
#include "app/modaldialog.h"
#include "app/startup.h"
#include "settings/feedback.h"
#include "settings/subscreenframe.h"
#include "tests/settings/subscreentestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace {

QLineEdit* subject(const Feedback& screen)
{
    return child<QLineEdit>(&screen, "feedBackTitle");
}

QPlainTextEdit* message(const Feedback& screen)
{
    return child<QPlainTextEdit>(&screen, "feedbackBodyText");
}

QPushButton* submitButton(const Feedback& screen)
{
    return child<QPushButton>(&screen, "pushButton");
}

QString status(const Feedback& screen)
{
    return labelText(&screen, "statusMessage");
}

// The colour a counter's text is drawn in.
QColor counterColor(const Feedback& screen, const char* name)
{
    auto* counter = child<QLabel>(&screen, name);
    counter->ensurePolished();
    return counter->palette().color(counter->foregroundRole());
}

bool subjectWarningShown(const Feedback& screen)
{
    return !child<QLabel>(&screen, "subjectWarning")->isHidden();
}

QByteArray feedbackLine(const char* title, const char* description)
{
    return QByteArray("{\"feedback\":{\"description\":\"") + description + "\",\"title\":\"" + title +
           "\"},\"type\":9}\n";
}

// Message boxes are answered at once; what they said is kept.
struct ShownBoxes
{
    ShownBoxes()
    {
        ModalDialog::setAnswerer([this](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            texts.append(box.text());
            formats.append(box.textFormat());
            titles.append(box.windowTitle());
            return int(QMessageBox::Ok);
        });
    }
    ~ShownBoxes() { ModalDialog::setAnswerer({}); }
    QStringList texts;
    QList<Qt::TextFormat> formats;
    QStringList titles;
};

} // namespace

class TestFeedback : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void limitsAndCounters()
    {
        AgentLink agent;
        Feedback screen;
        QCOMPARE(labelText(&screen, "subjectWordCount"), QStringLiteral("[0/300]"));
        QCOMPARE(labelText(&screen, "messageWordCount"), QStringLiteral("[0/1500]"));
        const QColor normal = counterColor(screen, "subjectWordCount");
        QVERIFY(normal != warningColor);
        QCOMPARE(counterColor(screen, "messageWordCount"), normal);

        QTest::keyClicks(subject(screen), QString(299, QLatin1Char('s')));
        QCOMPARE(counterColor(screen, "subjectWordCount"), normal);
        QTest::keyClicks(subject(screen), QString(11, QLatin1Char('s')));
        QCOMPARE(subject(screen)->text().size(), 300);
        QCOMPARE(labelText(&screen, "subjectWordCount"), QStringLiteral("[300/300]"));
        QCOMPARE(counterColor(screen, "subjectWordCount"), warningColor);
        QCOMPARE(counterColor(screen, "messageWordCount"), normal);

        message(screen)->insertPlainText(QString(2000, QLatin1Char('m')));
        QCOMPARE(message(screen)->toPlainText(), QString(1500, QLatin1Char('m')));
        QCOMPARE(message(screen)->textCursor().position(), 1500);
        QVERIFY(message(screen)->textCursor().atEnd());
        QCOMPARE(labelText(&screen, "messageWordCount"), QStringLiteral("[1500/1500]"));
        QCOMPARE(counterColor(screen, "messageWordCount"), warningColor);
        QTest::keyClick(subject(screen), Qt::Key_Backspace);
        QCOMPARE(counterColor(screen, "subjectWordCount"), normal);

        // A character of two UTF-16 units across the limit is left out whole.
        const QString emoji = QString::fromUtf8("\xF0\x9F\x94\x92");
        message(screen)->setPlainText(QString(1499, QLatin1Char('m')) + emoji + QStringLiteral("tail"));
        QCOMPARE(message(screen)->toPlainText(), QString(1499, QLatin1Char('m')));
        QCOMPARE(labelText(&screen, "messageWordCount"), QStringLiteral("[1499/1500]"));
    }

    // Texts go trimmed; a message left empty is sent too, and the form says that only the subject goes.
    void submitSendsTrimmedTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("shown");
        QTest::newRow("with a message") << "\n every hour  \n"
                                        << feedbackLine("Tunnel drops", "every hour") << "Submitting feedback…";
        QTest::newRow("message of blanks")
            << "\n   \n"
            << feedbackLine("Tunnel drops", "") << "The message is empty: only the subject is sent.";
    }
    void submitSendsTrimmedTexts()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, line);
        QFETCH(QString, shown);
        AgentLink agent;
        Feedback screen;
        subject(screen)->setText(QStringLiteral("  Tunnel drops "));
        message(screen)->setPlainText(typed);
        submitButton(screen)->click();
        QCOMPARE(agent.nextRequest(), line);
        QCOMPARE(status(screen), shown);
        QVERIFY(!submitButton(screen)->isEnabled());
    }

    void noSubjectNoRequest_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
    }
    void noSubjectNoRequest()
    {
        QFETCH(QString, typed);
        AgentLink agent;
        Feedback screen;
        showAsInSettings(&screen);
        QApplication::setActiveWindow(&screen);
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        message(screen)->setPlainText(QStringLiteral("kept"));
        message(screen)->setFocus();
        subject(screen)->setText(typed);

        submitButton(screen)->click();

        QVERIFY(agent.nextRequest().isEmpty());
        QVERIFY(child<QLabel>(&screen, "subjectWarning")->isVisible());
        QCOMPARE(labelText(&screen, "subjectWarning"), QStringLiteral("Enter a subject."));
        // Read with the field the keyboard lands on.
        QCOMPARE(subject(screen)->accessibleDescription(), QStringLiteral("Enter a subject."));
        QVERIFY(subject(screen)->placeholderText().isEmpty());
        QVERIFY(subject(screen)->text().isEmpty());
        QVERIFY(subject(screen)->hasFocus());
        QCOMPARE(message(screen)->toPlainText(), QStringLiteral("kept"));
        QVERIFY(submitButton(screen)->isEnabled());
    }

    // The empty-subject warning stays until the user writes a subject or the form is left or emptied; a send that
    // empties the form does not bring it back.
    void subjectWarningGoes_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("shown");
        QTest::newRow("typing in the message") << "message" << true;
        QTest::newRow("typing a subject") << "subject" << false;
        QTest::newRow("filed after typing a subject") << "filed" << false;
        QTest::newRow("back") << "back" << false;
    }
    void subjectWarningGoes()
    {
        QFETCH(QString, action);
        QFETCH(bool, shown);
        AgentLink agent;
        Feedback screen;
        ShownBoxes boxes;
        submitButton(screen)->click();
        QVERIFY(subjectWarningShown(screen));

        if (action == QLatin1String("message")) {
            QTest::keyClicks(message(screen), QStringLiteral("text"));
        } else if (action == QLatin1String("back")) {
            child<QPushButton>(&screen, "backButton")->click();
        } else {
            QTest::keyClicks(subject(screen), QStringLiteral("VPN"));
        }
        if (action == QLatin1String("filed")) {
            submitButton(screen)->click();
            QCOMPARE(agent.nextRequest(), feedbackLine("VPN", ""));
            Response filed;
            filed.ticketId = QStringLiteral("42");
            screen.processResponse(filed);
            QVERIFY(subject(screen)->text().isEmpty());
        }
        QCOMPARE(subjectWarningShown(screen), shown);
        QCOMPARE(subject(screen)->accessibleDescription().isEmpty(), !shown);
    }

    void outcomes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("ticket");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("success") << 0 << "4711"
                                 << "Your feedback has been submitted. Ticket ID: 4711" << true;
        QTest::newRow("ticket id as text") << 0 << "<b>7</b>"
                                           << "Your feedback has been submitted. Ticket ID: <b>7</b>" << true;
        QTest::newRow("success without ticket id") << 0 << ""
                                                   << "Failed to submit your feedback" << false;
        QTest::newRow("failed") << 13 << ""
                                << "Failed to submit your feedback" << false;
        QTest::newRow("failed, ticket id ignored") << 13 << "9"
                                                   << "Failed to submit your feedback" << false;
        QTest::newRow("not activated") << 15 << ""
                                       << "Agent not activated" << false;
    }
    void outcomes()
    {
        QFETCH(int, code);
        QFETCH(QString, ticket);
        QFETCH(QString, text);
        QFETCH(bool, cleared);
        AgentLink agent;
        Feedback screen;
        ShownBoxes boxes;
        subject(screen)->setText(QStringLiteral("Subject"));
        message(screen)->setPlainText(QStringLiteral("Message"));
        submitButton(screen)->click();
        QCOMPARE(agent.nextRequest(), feedbackLine("Subject", "Message"));

        Response response;
        response.code = code;
        response.ticketId = ticket;
        screen.processResponse(response);

        QCOMPARE(boxes.texts, QStringList{text});
        QCOMPARE(boxes.formats, QList<Qt::TextFormat>{Qt::PlainText});
        QCOMPARE(boxes.titles, QStringList{brand().displayName});
        QCOMPARE(subject(screen)->text().isEmpty(), cleared);
        QCOMPARE(message(screen)->toPlainText().isEmpty(), cleared);
        QVERIFY(status(screen).isEmpty());
        QVERIFY(submitButton(screen)->isEnabled());
    }

    void linkDropWhileWaitingGivesSubmitBack()
    {
        AgentLink agent;
        Feedback screen;
        subject(screen)->setText(QStringLiteral("Subject"));
        message(screen)->setPlainText(QStringLiteral("Message"));
        submitButton(screen)->click();
        QCOMPARE(agent.nextRequest(), feedbackLine("Subject", "Message"));

        agent.drop();
        screen.showAgentUnavailable();
        QCOMPARE(status(screen), agentUnavailable);
        QVERIFY(submitButton(screen)->isEnabled());
        submitButton(screen)->click(); // still down: nothing leaves, nothing is lost
        QVERIFY(agent.nextRequest().isEmpty());
        QCOMPARE(subject(screen)->text(), QStringLiteral("Subject"));
        QCOMPARE(message(screen)->toPlainText(), QStringLiteral("Message"));

        agent.restore();
        screen.clearAgentUnavailable();
        QVERIFY(status(screen).isEmpty());
        // It may have been filed before the link dropped: sending it again is the user's choice.
        ModalDialog::setAnswerer([](QDialog&) { return int(QMessageBox::Yes); });
        submitButton(screen)->click();
        ModalDialog::setAnswerer({});
        QCOMPARE(agent.nextRequest(), feedbackLine("Subject", "Message"));
    }

    void clearAgentUnavailableLeavesOtherTexts()
    {
        AgentLink agent;
        Feedback screen;
        subject(screen)->setText(QStringLiteral("Subject"));
        message(screen)->setPlainText(QStringLiteral("Message"));
        submitButton(screen)->click();
        screen.clearAgentUnavailable();
        QCOMPARE(status(screen), QStringLiteral("Submitting feedback…"));
    }

    // Clearing empties the form; leaving it by Back or Escape keeps the draft for the next visit.
    void clearEmptiesTheFormLeavingKeepsIt_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("clear") << "clear" << true;
        QTest::newRow("back") << "back" << false;
        QTest::newRow("escape in the subject") << "escape in subject" << false;
        QTest::newRow("escape in the message") << "escape in message" << false;
    }
    void clearEmptiesTheFormLeavingKeepsIt()
    {
        QFETCH(QString, action);
        QFETCH(bool, cleared);
        AgentLink agent;
        Feedback screen;
        showAsInSettings(&screen);
        QSignalSpy settings(&screen, &Feedback::goSettings);
        QSignalSpy spinner(&screen, &Feedback::stopSpinner);
        subject(screen)->setText(QStringLiteral("Subject"));
        message(screen)->setPlainText(QStringLiteral("Message"));
        child<QLabel>(&screen, "statusMessage")->setText(QStringLiteral("status"));

        if (action == QLatin1String("clear"))
            screen.clearFeedback();
        else if (action == QLatin1String("back"))
            child<QPushButton>(&screen, "backButton")->click();
        else if (action == QLatin1String("escape in subject"))
            QTest::keyClick(subject(screen), Qt::Key_Escape);
        else
            QTest::keyClick(message(screen), Qt::Key_Escape);

        QCOMPARE(subject(screen)->text(), cleared ? QString() : QStringLiteral("Subject"));
        QCOMPARE(message(screen)->toPlainText(), cleared ? QString() : QStringLiteral("Message"));
        QCOMPARE(labelText(&screen, "messageWordCount"),
                 cleared ? QStringLiteral("[0/1500]") : QStringLiteral("[7/1500]"));
        QVERIFY(status(screen).isEmpty());
        QCOMPARE(settings.size(), cleared ? 0 : 1);
        QCOMPARE(spinner.size(), cleared ? 0 : 1);
        QVERIFY(agent.nextRequest().isEmpty());
    }

    // Back while a submission waits: Submit is there again, the draft too, and a later answer finds nobody waiting.
    void backWhileSubmittingGivesSubmitBack()
    {
        AgentLink agent;
        Feedback screen;
        subject(screen)->setText(QStringLiteral("Subject"));
        submitButton(screen)->click();
        QVERIFY(screen.isWaiting() && !submitButton(screen)->isEnabled());
        child<QPushButton>(&screen, "backButton")->click();
        QVERIFY(!screen.isWaiting());
        QVERIFY(submitButton(screen)->isEnabled());
        QVERIFY(status(screen).isEmpty());
        QCOMPARE(subject(screen)->text(), QStringLiteral("Subject"));
    }

    // Past the deadline the form says the message may still arrive and gives Submit back; nothing is sent again.
    void silencePastTheDeadline()
    {
        AgentLink agent;
        Feedback screen;
        subject(screen)->setText(QStringLiteral("Subject"));
        submitButton(screen)->click();
        QCOMPARE(agent.nextRequest(), feedbackLine("Subject", ""));
        QCOMPARE(fireTimers(&screen, QStringLiteral("answerDeadline")), 1);
        QCOMPARE(status(screen), QStringLiteral("The application service did not answer. Your feedback may still "
                                                "arrive; if it does, its ticket number will be shown."));
        QVERIFY(submitButton(screen)->isEnabled());
        QVERIFY(!screen.isWaiting());
        QCOMPARE(subject(screen)->text(), QStringLiteral("Subject"));
        QVERIFY(agent.nextRequest().isEmpty());
    }

    // A text whose submission was never answered may have been filed: sending it again is asked first, with No as
    // the default. Another text, or the same one after its answer came, goes without a question.
    void sameTextAgainIsAsked_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("sent");
        QTest::newRow("deadline, send again") << "deadline"
                                              << ""
                                              << "Yes" << true << 1;
        QTest::newRow("deadline, keep") << "deadline"
                                        << ""
                                        << "No" << true << 0;
        QTest::newRow("deadline, closed") << "deadline"
                                          << ""
                                          << "" << true << 0;
        QTest::newRow("deadline, blanks added") << "deadline"
                                                << "  "
                                                << "No" << true << 0;
        QTest::newRow("deadline, message changed") << "deadline"
                                                   << " more"
                                                   << "" << false << 1;
        QTest::newRow("link lost, keep") << "link"
                                         << ""
                                         << "No" << true << 0;
        QTest::newRow("left the form, keep") << "left"
                                             << ""
                                             << "No" << true << 0;
        QTest::newRow("answered with a failure") << "failed"
                                                 << ""
                                                 << "" << false << 1;
    }
    void sameTextAgainIsAsked()
    {
        QFETCH(QString, ending);
        QFETCH(QString, edit);
        QFETCH(QString, press);
        QFETCH(bool, asked);
        QFETCH(int, sent);
        AgentLink agent;
        Feedback screen;
        QStringList questions;
        QList<int> defaults;
        ModalDialog::setAnswerer([&](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            if (box.icon() != QMessageBox::Question)
                return int(QMessageBox::Ok);
            questions << box.text();
            defaults << box.standardButton(box.defaultButton());
            QAbstractButton* chosen = buttonNamed(box, press);
            return int(chosen ? box.standardButton(chosen) : QMessageBox::Escape);
        });
        subject(screen)->setText(QStringLiteral("Subject"));
        message(screen)->setPlainText(QStringLiteral("Message"));
        submitButton(screen)->click();
        QCOMPARE(agent.nextRequest(), feedbackLine("Subject", "Message"));
        if (ending == QLatin1String("deadline")) {
            fireTimers(&screen, QStringLiteral("answerDeadline"));
            // Fired at once above; a submission sent again waits the usual time.
            for (QTimer* deadline : screen.findChildren<QTimer*>(QStringLiteral("answerDeadline")))
                deadline->setInterval(AnswerWait::deadlineMs);
        } else if (ending == QLatin1String("link")) {
            agent.drop();
            screen.showAgentUnavailable();
            agent.restore();
            screen.clearAgentUnavailable();
        } else if (ending == QLatin1String("left")) {
            child<QPushButton>(&screen, "backButton")->click();
        } else {
            Response failure;
            failure.code = FeedbackFailed;
            screen.processResponse(failure);
        }
        QVERIFY(submitButton(screen)->isEnabled());
        message(screen)->moveCursor(QTextCursor::End);
        message(screen)->insertPlainText(edit);

        submitButton(screen)->click();
        ModalDialog::setAnswerer({});
        QCOMPARE(questions.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(questions.first(), QStringLiteral("Your earlier feedback may still reach the support desk. Send "
                                                       "the same message again?"));
            QCOMPARE(defaults.first(), int(QMessageBox::No));
        }
        int lines = 0;
        while (!agent.nextRequest().isEmpty())
            ++lines;
        QCOMPARE(lines, sent);
        QCOMPARE(screen.isWaiting(), sent == 1);
        QCOMPARE(subject(screen)->text(), QStringLiteral("Subject"));
    }

    void returnInSubjectMovesToMessage()
    {
        AgentLink agent;
        Feedback screen;
        showAsInSettings(&screen);
        QApplication::setActiveWindow(&screen);
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        subject(screen)->setFocus();
        QTest::keyClick(subject(screen), Qt::Key_Return);
        QVERIFY(message(screen)->hasFocus());
        QVERIFY(agent.nextRequest().isEmpty());
    }
};

QTEST_MAIN(TestFeedback)
#include "test_feedback.moc"
