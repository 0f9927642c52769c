#include "config/config_frame.h"

#include "config/failure.h"

ConfigFrameCodec::ConfigFrameCodec(ParameterPanel& panel, OperationLog& log, LanguageTable& lang)
    : panel_(panel), log_(log), lang_(lang) {}

QByteArray ConfigFrameCodec::getConfigFrame() { throw Failure(Failure::Overflow); }

bool ConfigFrameCodec::showConfig(const QByteArray&, quint8) { return false; }
