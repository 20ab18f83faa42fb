#pragma once

#include <QString>

// A result code of the agent's answers in the helpdesk's words (English, not translated: the report is read by the
// helpdesk, whatever the user's language). Codes the contract does not know read as such.
QString answerMeaning(int code);
// The answers that say something failed, as opposed to progress (a password sent, approval pending) and success.
bool isFailureAnswer(int code);
