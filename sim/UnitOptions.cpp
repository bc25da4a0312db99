#include "sim/UnitOptions.h"

namespace sim {

namespace {
bool parseParam(const QString& text, const QString& prefix, int minimum, int& value)
{
    if (!text.startsWith(prefix))
        return false;
    bool ok = false;
    const int n = text.mid(prefix.size()).toInt(&ok);
    if (!ok || n < minimum)
        return false;
    value = n;
    return true;
}
} // namespace

bool parseFault(const QString& text, UnitOptions& options)
{
    int param = 0;
    Fault fault = Fault::None;
    if (text == QLatin1String("none"))
        fault = Fault::None;
    else if (text == QLatin1String("silent"))
        fault = Fault::Silent;
    else if (text == QLatin1String("monitor"))
        fault = Fault::Monitor;
    else if (text == QLatin1String("noise"))
        fault = Fault::Noise;
    else if (parseParam(text, QStringLiteral("noise="), 1, param))
        fault = Fault::Noise;
    else if (text == QLatin1String("babble") || parseParam(text, QStringLiteral("babble="), 0, param))
        fault = Fault::Babble;
    else if (text == QLatin1String("break") || parseParam(text, QStringLiteral("break="), 0, param))
        fault = Fault::Break;
    else if (parseParam(text, QStringLiteral("hangup="), 1, param))
        fault = Fault::HangUp;
    else if (parseParam(text, QStringLiteral("stray="), 1, param))
        fault = Fault::Stray;
    else if (parseParam(text, QStringLiteral("cutoff="), 0, param))
        fault = Fault::Cutoff;
    else if (parseParam(text, QStringLiteral("drop="), 1, param))
        fault = Fault::Drop;
    else if (parseParam(text, QStringLiteral("corrupt="), 1, param))
        fault = Fault::Corrupt;
    else if (parseParam(text, QStringLiteral("slow="), 0, param))
        fault = Fault::Slow;
    else
        return false;
    options.fault = fault;
    options.faultParam = param;
    return true;
}

bool parseModel(const QString& text, Model& model)
{
    if (text == QLatin1String("7k"))
        model = Model::Q7k;
    else if (text == QLatin1String("8k"))
        model = Model::Q8k;
    else
        return false;
    return true;
}

} // namespace sim
