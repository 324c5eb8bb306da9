#pragma once
// The loudness of the tone heard: a volume from 0 to 100 % and a mute, applied
// to the output only (the tone file stays what the vibrator defines).

#include <QObject>
#include <functional>

namespace vibralume {

class Volume : public QObject {
    Q_OBJECT
public:
    /// Step of the volume keys, in percent.
    static constexpr int Pas = 10;

    /// `appliqueGain` receives the output's gain (0 to 1) at once and at every change.
    explicit Volume(std::function<void(double)> appliqueGain, int pourcent = 100, bool muet = false,
                    QObject* parent = nullptr);

    int pourcent() const { return pourcent_; }
    bool muet() const { return muet_; }
    /// The gain applied to the samples: the volume as desktop sliders count
    /// it (its cube, so that equal steps sound about equal), 0 when muted.
    double gain() const;

    void setPourcent(int pourcent);
    void plus();
    void moins();
    void setMuet(bool muet);
    void basculeMuet() { setMuet(!muet_); }

signals:
    void change(int pourcent, bool muet);

private:
    void applique();

    std::function<void(double)> appliqueGain_;
    int pourcent_;
    bool muet_;
};

} // namespace vibralume
