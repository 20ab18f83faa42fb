#pragma once

#include "agentstate.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

namespace agentsim {

class ChaosRandom;

// One thing the chaos agent does, after waiting `waitMs`. Everything its content needs is in `params` (a seed of its
// own among them), so a step written to the log plays again the same from there alone.
struct ChaosStep
{
    int index = 0;
    int waitMs = 0;
    QString op;
    QJsonObject params;

    QJsonObject toJson() const;
    static std::optional<ChaosStep> fromJson(const QJsonObject& entry);
};

// How the agent treats the window's requests from a step on.
enum class AnswerMode
{
    Normal,
    Refuse,
    Late,
    Never,
    Twice,
};

// What the window must conclude from the lines a step sends: the snapshot it last got whole, or none it can rely on
// (a partial or mistyped one, whose missing fields a reader may fill either way).
struct ChaosLines
{
    QList<QByteArray> lines;
    bool changesSnapshot = false;
    std::optional<AgentState> snapshot;
};

// The random history: steps drawn from the seed, and the bytes each of them sends.
namespace ChaosScript {

ChaosStep nextStep(ChaosRandom& random, int index);

// The lines a sending step writes; `world` is the snapshot the agent holds, which whole snapshots replace.
ChaosLines linesFor(const ChaosStep& step, AgentState& world);

// The answer to a request of `requestType` under `mode`: empty when it gets none.
QList<QByteArray> answerTo(int requestType, AnswerMode mode, const AgentState& world, ChaosRandom& random);

std::optional<AnswerMode> modeNamed(const QString& name);
QJsonObject truthOf(const AgentState& snapshot);

} // namespace ChaosScript

} // namespace agentsim
