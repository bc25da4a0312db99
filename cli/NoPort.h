#pragma once

#include "platform/BytePort.h"

namespace cli {

// Stands in when no port was given: every open fails and says why.
class NoPort final : public platform::BytePort {
public:
    explicit NoPort(QString reason) : m_reason(std::move(reason)) {}

    bool open(const QString&) override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    bool write(const QByteArray&) override { return false; }
    std::optional<char> readByte() override { return std::nullopt; }
    QByteArray readAvailable(int) override { return {}; }
    void setReadTimeout(int) override {}
    platform::PortError lastError() const override { return platform::PortError::NotFound; }
    QString lastErrorDetail() const override { return m_reason; }

private:
    QString m_reason;
};

} // namespace cli
