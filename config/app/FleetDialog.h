#pragma once

#include "config/fleet/FleetPlan.h"
#include "config/fleet/FleetRun.h"

#include <QDialog>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace quarn {

// "Serienprogrammierung": a template and a units table, checked as a whole, then every unit
// programmed over one or more ports with the job code quarnctl uses; each row shows its state
// (waiting, running with its progress, done, failed with the message) and the log grows below.
class FleetDialog final : public QDialog {
    Q_OBJECT
public:
    FleetDialog(const QString& port, QWidget* parent = nullptr);
    ~FleetDialog() override;

    // Where the ports come from (tests attach simulated units); the serial ports by default.
    void setPortFactory(fleet::FleetRun::PortFactory factory) { m_makePort = std::move(factory); }
    // The unit history joins here: called with every image read from a unit before it is changed.
    void setImageRead(fleet::FleetRun::ImageRead hook) { m_imageRead = std::move(hook); }

    // Loads and checks the job; false after the message naming every problem.
    bool check();
    void start();
    void stop();
    bool running() const { return m_run && m_run->running(); }

protected:
    void reject() override;

private:
    void chooseFile(QLineEdit* edit, const QString& filter);
    void setState(int line, const QString& port, const QString& state);
    int rowOf(int line) const;
    void showLog();
    QString logPath() const;
    void updateControls();

    QLineEdit* m_template;
    QLineEdit* m_table;
    QLineEdit* m_ports;
    QLineEdit* m_log;
    QTableWidget* m_rows;
    QPlainTextEdit* m_logView;
    QPushButton* m_check;
    QPushButton* m_start;
    QPushButton* m_stop;
    QPushButton* m_close;
    std::optional<fleet::FleetPlan> m_plan;
    std::unique_ptr<fleet::FleetRun> m_run;
    fleet::FleetRun::PortFactory m_makePort;
    fleet::FleetRun::ImageRead m_imageRead;
};

} // namespace quarn
