#pragma once
// The surface part of a typology window: the surface box "txtp<N>sbu", the percentage box
// "txtp<N>pti", the surface-type pair "optp<N>tsu", and the homogenised surface SH ("txtp<N>sho") of the stored surface
// by class and surface type, on the coefficients of the window's typology (core/Valoracion.h). A window without one of
// these boxes simply has not got that entry.
#include <QString>

#include "typologies/shared/Parte.h"

class CajaNum;

class AnfitrionSuperficie : public virtual AnfitrionParte {
public:
    // A new surface was accepted into the record (by default: SH again, RecalcularSH).
    virtual void SuperficieAceptada() = 0;

protected:
    ~AnfitrionSuperficie() = default;
};

class ParteSuperficie : public ParteVentana {
public:
    explicit ParteSuperficie(AnfitrionSuperficie& ventana);

    void Conectar();
    // Reset values of the boxes: surface "0", percentage "100".
    void ValoresIniciales();
    // SH of the stored class and surface type into the SH box, then the chain refresh.
    void RecalcularSH();
    // SH of the stored surface by class and surface type.
    double CalcularSH(QString& clase, QString& tipoSuperficie) const;

private:
    // Surface-type pair "optp<N>tsu" (entry 1 usable "U", else built "C"): the surface counts
    // anew, as a new surface does (SuperficieAceptada).
    void optsu_Click(int Index);
    void txtsbu_LostFocus();
    void txtpti_LostFocus();
    // Whether a surface or percentage typed as `texto` (number `valor`, not 0) is taken over
    // the stored one, as the window's data say.
    bool Toma(const QString& texto, double valor, double guardado) const;

    AnfitrionSuperficie& v_;
    CajaNum* txtsbu_ = nullptr;
    CajaNum* txtpti_ = nullptr;
};
