#pragma once

#include "modelinfo.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The supported keyboard models: the catalogue embedded in the program, plus a models.json in the
// user configuration folder that adds models or replaces them by key, so that a keyboard we do not
// list can be described without a rebuild.
class ModelCatalogue
{
public:
    // The catalogue the SDK calls use; loaded on first use and again by CQuelmoHid_Init.
    static ModelCatalogue &instance();

    static QString embeddedFile();
    // <AppDataLocation>/UserConfig/models.json, the folder that holds the user's settings.
    static QString userFile();

    // Loads the embedded catalogue and merges the user file. A malformed user file is reported in
    // one log line and ignored. False only when the embedded catalogue itself is unusable.
    bool load();

    // Parses one catalogue document. On failure `error` says why and `out` is untouched.
    static bool parse(const QByteArray &json, QVector<ModelInfo> *out, QString *error);

    // Adds models, replacing those with the same key. Refused (false, nothing changed) when a
    // vendor/product pair would then belong to two models.
    bool merge(const QVector<ModelInfo> &models, QString *error);

    const QVector<ModelInfo> &models() const { return m_models; }
    const ModelInfo *find(const QString &key) const;
    // The model and link a USB identity belongs to, or nullptr.
    const ModelInfo *findByIds(uint16_t vendorId, uint16_t productId, LinkType *link = nullptr) const;

    // The udev rule granting the logged-in user access to every catalogue link and boot loader.
    QString udevRules() const;

    // USB identities of the boot loaders the firmware update talks to.
    static QVector<ModelLink> bootLoaderIds();

private:
    QVector<ModelInfo> m_models;
};
