// SPDX-License-Identifier: GPL-3.0-or-later
#include "export_commands.h"

#include "base/services.h"
#include "playback/background_render.h"
#include "session/session_model.h"
#include "verification_window.h"

#include <QAction>
#include <QMenu>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

namespace vs::shell {
namespace {

constexpr int kSteps = 1000;

std::string withoutVso(std::string name) {
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".vso") == 0)
        name.resize(name.size() - 4);
    return name;
}

} // namespace

ExportCommands::ExportCommands(ExportContext context)
    : QObject(context.window), c_(std::move(context)) {
    c_.menu->addSeparator();
    exportAction_ = c_.menu->addAction(tr("E&xportar a audio..."));
    exportAction_->setObjectName(QStringLiteral("mnuSesionExportarAudio"));
    reportAction_ = c_.menu->addAction(tr("&Informe de verificación"));
    reportAction_->setObjectName(QStringLiteral("mnuSesionInformeVerificacion"));
    connect(exportAction_, &QAction::triggered, this, &ExportCommands::exportToAudio);
    connect(reportAction_, &QAction::triggered, this, &ExportCommands::verify);
    poll_ = new QTimer(this);
    poll_->setInterval(100);
    connect(poll_, &QTimer::timeout, this, &ExportCommands::poll);
}

ExportCommands::~ExportCommands() = default;

std::string ExportCommands::proposedFileName(const std::string& sessionName) {
    std::string name = withoutVso(sessionName);
    for (char& ch : name)
        if (ch == '/' || ch == '\\' || ch == ':' || ch == '*' || ch == '?' || ch == '"' ||
            ch == '<' || ch == '>' || ch == '|')
            ch = '_';
    if (name.empty()) name = "Sesión";
    return name + ".wav";
}

void ExportCommands::exportToAudio() {
    if (job_) return;
    const std::vector<FileFilter> filters = {
        {tr("WAV, 16 bits (*.wav)").toStdString(), {"*.wav"}},
        {tr("FLAC, 16 bits (*.flac)").toStdString(), {"*.flac"}},
        {tr("Ogg Vorbis (*.ogg)").toStdString(), {"*.ogg"}},
        {tr("MP3 (*.mp3)").toStdString(), {"*.mp3"}},
    };
    std::string path = c_.dialogs->saveFile(tr("Exportar a audio").toStdString(),
                                            proposedFileName(c_.sessionName()), filters);
    if (path.empty()) return;
    if (std::string::size_type dot = path.find_last_of("./");
        dot == std::string::npos || path[dot] == '/')
        path += ".wav";
    if (!playback::formatForPath(path)) {
        c_.messages->critical(
            tr("Formato desconocido: use .wav, .flac, .ogg o .mp3").toStdString());
        return;
    }
    links::GlassesLinkFactory lights = c_.lights ? c_.lights() : links::GlassesLinkFactory{};
    if (lights && !c_.messages->askYesNo(tr(kLightQuestion).toStdString())) lights = {};
    start(path, std::move(lights));
}

void ExportCommands::verify() {
    if (!job_) start({});
}

void ExportCommands::start(const std::string& path, links::GlassesLinkFactory lights) {
    playback::ExportOptions o = playback::optionsFrom(*c_.view);
    o.luz = bool(lights);
    links::MusicLinkFactory music = c_.music ? c_.music() : links::MusicLinkFactory{};
    // Without music for the render's engine the file has none, and the
    // report must not count on it.
    if (!music) o.musica = false;
    job_ = std::make_unique<playback::BackgroundRender>(*c_.model, o, path, std::move(music),
                                                        std::move(lights));
    jobName_ = withoutVso(c_.sessionName());
    progress_ = new QProgressDialog(c_.window);
    progress_->setObjectName(QStringLiteral("frmProgresoExportar"));
    progress_->setWindowTitle(path.empty() ? tr("Informe de verificación")
                                           : tr("Exportar a audio"));
    progress_->setCancelButtonText(tr("Cancelar"));
    progress_->setRange(0, kSteps);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(0);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumWidth(420);
    connect(progress_, &QProgressDialog::canceled, this, [this] {
        if (job_) job_->cancel();
    });
    progress_->show();
    // The job may have ended already (a folder that is not there); then this
    // first poll takes the dialog down again at once.
    poll();
    if (job_) poll_->start();
}

void ExportCommands::poll() {
    if (!job_) return;
    if (job_->finished()) {
        ended();
        return;
    }
    const std::int64_t total = std::max<std::int64_t>(job_->totalFrames(), 1);
    progress_->setValue(int(job_->framesDone() * kSteps / total));
    const QString what = job_->path().empty()
                             ? tr("Comprobando «%1»…").arg(QString::fromStdString(jobName_))
                             : tr("Exportando «%1»…").arg(QString::fromStdString(jobName_));
    const auto left = job_->secondsLeft();
    const QString time = left ? tr("Quedan %1")
                                    .arg(QString::fromStdString(
                                        session::FormatoTiempo(std::int64_t(*left + 0.999) * 1000)))
                              : tr("Calculando el tiempo restante…");
    progress_->setLabelText(what + QStringLiteral("\n") + time);
}

void ExportCommands::ended() {
    poll_->stop();
    std::unique_ptr<playback::BackgroundRender> job = std::move(job_);
    progress_->hide();
    progress_->deleteLater();
    progress_ = nullptr;
    const playback::ExportResult& r = job->result();
    switch (r.status) {
    case playback::RenderStatus::Complete:
        if (report_) report_->deleteLater();
        report_ = new VerificationWindow(c_.window);
        report_->setReport(job->report(), jobName_, job->path(), r.notes);
        report_->show();
        report_->raise();
        break;
    case playback::RenderStatus::Cancelled:
        c_.messages->information(r.message);
        break;
    case playback::RenderStatus::Failed:
        c_.messages->critical(r.message);
        break;
    }
}

} // namespace vs::shell
