#pragma once
// The valuation date part of a typology window: the box "txtp<N>fecv", its check (a date of
// the valuation years' range, the range read by core) and when leaving it checks nothing (the
// mouse on "Limpiar" or "Salir", as the window's data say). A date it accepts goes to the
// window (AnfitrionFecha::FechaValoracionAceptada), which decides what the new date does to
// the record; a refused one gets its message and the record's date back in the box.
#include <QString>
#include <cstdint>

#include "typologies/shared/Parte.h"

class MaskEdBox;

class AnfitrionFecha : public virtual AnfitrionParte {
public:
    // A valid valuation date was entered (yyyymmdd).
    virtual void FechaValoracionAceptada(int32_t fecha) = 0;

protected:
    ~AnfitrionFecha() = default;
};

class ParteFecha : public ParteVentana {
public:
    explicit ParteFecha(AnfitrionFecha& ventana);

    // Finds the date box (a std::logic_error when the window lacks it) and connects it and the
    // buttons that lower the check.
    void Conectar();
    // Every load and "Limpiar": the check is on again.
    void AlCargar();
    // The date pattern and mask of the current language.
    void Formatos();
    // Redraw step: the record's valuation date.
    void Presenta();
    // The date box's text is a valuation date: a message (and false) for a text that is no
    // date or lies outside the years' range.
    bool ValidarFechaV(QString& sFecha);
    // Checks the box's date; an accepted date goes to the window.
    bool ComprobarFecha();

    MaskEdBox* Caja() const { return txtfecv_; }
    // Leaving the date box checks it (lowered for "Limpiar" and "Salir").
    bool bValidar = true;

    // Date pattern and mask of the current language on a date box.
    static void FormatoFecha(MaskEdBox* caja);

private:
    void txtfecv_LostFocus();
    // The mouse left "Limpiar"/"Salir" without a click: the check is on again, and a leaving
    // of the date box that went unchecked meanwhile is checked now.
    void SinClic();

    AnfitrionFecha& v_;
    MaskEdBox* txtfecv_ = nullptr;
    bool fechaSinComprobar_ = false;  // the box was left while the check was lowered
};
