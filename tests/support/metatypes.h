#pragma once

#include "agent/records.h"

#include <QMetaType>

// The application passes its records only through direct connections; signal spies store them as QVariant.
Q_DECLARE_METATYPE(ActivationReq)
Q_DECLARE_METATYPE(Response)
Q_DECLARE_METATYPE(ResponseType)
Q_DECLARE_METATYPE(PAG)
Q_DECLARE_METATYPE(AgentInfo)

inline void registerRecordMetaTypes()
{
    qRegisterMetaType<ActivationReq>();
    qRegisterMetaType<Response>();
    qRegisterMetaType<ResponseType>();
    qRegisterMetaType<PAG>();
    qRegisterMetaType<AgentInfo>();
}
