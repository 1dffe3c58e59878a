// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_model.h"

#include "base/numeric.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vs::session {

SessionModel::SessionModel() {
    Punto[1].Visible = true;
    PuntoFR[1].Visible = true;
    pG[1].Visible = true;
    SesionNueva();
}

void SessionModel::setMinutos(int v) {
    if (v == 60) v = 0;
    minutos_ = std::clamp(v, 0, 60);
}

void SessionModel::setSegundos(int v) {
    if (v == 60) {
        segundos_ = 0;
        setMinutos(minutos_ + 1);
        return;
    }
    segundos_ = std::clamp(v, 0, 60);
}

double SessionModel::timeMs(float left) const {
    return static_cast<double>(left) * lengthMs() / (W - 2 * MedioPunto);
}

double SessionModel::timeSeconds(float left, double sessionSeconds) const {
    return static_cast<double>(left) * sessionSeconds / (W - 2 * MedioPunto);
}

double SessionModel::binauralHz(float top) const {
    double B = FrecBinauralMax;
    return B - static_cast<double>(top) * B / (H - 2 * MedioPunto);
}

double SessionModel::baseHz(float top) const {
    return FrecBaseMax - static_cast<double>(top) * kBaseSpan / (H - 2 * MedioPunto);
}

float SessionModel::topForBinaural(double hz) const {
    return static_cast<float>((FrecBinauralMax - hz) * (H - 2 * MedioPunto) / FrecBinauralMax);
}

float SessionModel::topForBase(double hz) const {
    return static_cast<float>((FrecBaseMax - hz) * (H - 2 * MedioPunto) / kBaseSpan);
}

double SessionModel::cursorX(double tMs) const {
    double T = lengthMs();
    if (T <= 0) return MedioPunto;
    return MedioPunto + (W - 2 * MedioPunto) * tMs / T;
}

double SessionModel::binauralAt(double tMs) const {
    return Punto.valueAt(
        tMs, [this](float left) { return timeMs(left); },
        [this](float top) { return binauralHz(top); });
}

double SessionModel::baseAt(double tMs) const {
    return PuntoFR.valueAt(
        tMs, [this](float left) { return timeMs(left); },
        [this](float top) { return baseHz(top); });
}

int SessionModel::cellSequence(int i) const {
    if (i < 1 || i > kMaxCells) return 0;
    double v;
    if (!parseNumber(pG[i].Tag, v)) return 0;
    int n = static_cast<int>(v);
    return (n >= 1 && n <= 7 && n == v) ? n : 0;
}

int SessionModel::sequenceAt(double tMs) const {
    for (int i = 1; i < NumPuntos; ++i)
        if (tMs < timeMs(Punto[i + 1].Left)) return cellSequence(i);
    return NumPuntos >= 2 ? cellSequence(NumPuntos - 1) : 0;
}

void SessionModel::CargarPuntos() {
    for (int i = 2; i <= kMaxPuntos; ++i) {
        Punto[i].Visible = false;
        PuntoFR[i].Visible = false;
    }
    for (int i = 2; i <= kMaxCells; ++i)
        pG[i].Visible = false;
    Punto[2].Visible = true;
    PuntoFR[2].Visible = true;
    pG[2].Visible = true;
}

void SessionModel::setCellSequence(int i, int sequence) {
    if (i < 1 || i > kMaxCells) return;
    pG[i].Tag = std::to_string(sequence);
}

void SessionModel::layCells(int first, int last) {
    first = std::max(first, 1);
    last = std::min({last, NumPuntos - 1, kMaxCells});
    for (int i = first; i <= last; ++i) {
        pG[i].Left = Punto[i].Left + MedioPunto;
        pG[i].Width = Punto[i + 1].Left - Punto[i].Left;
    }
}

void SessionModel::relayCells() {
    layCells(1, kMaxCells);
    for (int i = 1; i <= kMaxCells; ++i)
        pG[i].Visible = i < NumPuntos;
}

void SessionModel::SesionNueva() {
    FrecBaseMax = FrecBaseMaxPref;
    FrecBinauralMax = FrecBinauralMaxPref;
    Punto.setFlat(W - 2 * MedioPunto, H / 2);
    relayCells();
    setCellSequence(1, 6);
    PuntoFR.setFlat(W - 2 * MedioPunto, H / 1.5f);
    setMinutos(1);
    setSegundos(0);
}

struct ListenerHandle::Registry {
    std::vector<std::pair<int, SessionModel::Listener>> listeners;
    int nextId = 1;
};

ListenerHandle::ListenerHandle(ListenerHandle&& other) noexcept
    : registry_(std::move(other.registry_)), id_(std::exchange(other.id_, 0)) {}

ListenerHandle& ListenerHandle::operator=(ListenerHandle&& other) noexcept {
    if (this != &other) {
        reset();
        registry_ = std::move(other.registry_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

ListenerHandle::~ListenerHandle() {
    reset();
}

void ListenerHandle::reset() {
    if (auto registry = registry_.lock())
        std::erase_if(registry->listeners, [this](const auto& p) { return p.first == id_; });
    registry_.reset();
    id_ = 0;
}

ListenerHandle SessionModel::addListener(Listener l) {
    // Made on first use, so a copied model starts with a registry of its own.
    if (!listeners_) listeners_ = std::make_shared<ListenerHandle::Registry>();
    const int id = listeners_->nextId++;
    listeners_->listeners.emplace_back(id, std::move(l));
    return ListenerHandle(listeners_, id);
}

void SessionModel::notify() const {
    if (!listeners_) return;
    for (const auto& [id, l] : listeners_->listeners)
        l();
}

std::string FormatoTiempo(std::int64_t ms) {
    std::int64_t s = static_cast<std::int64_t>(roundHalfEven(static_cast<double>(ms) / 1000.0));
    if (s < 0) s = 0;
    std::int64_t h = s / 3600, r = s % 3600, m = r / 60, sec = r % 60;
    auto two = [](std::int64_t n) { return n >= 10 ? std::to_string(n) : "0" + std::to_string(n); };
    std::string text;
    if (h >= 1) text = std::to_string(h) + ":";
    return text + two(m) + ":" + two(sec);
}

} // namespace vs::session
