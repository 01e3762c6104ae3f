#include "app/window_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

#include "platform/shown_text.h"

namespace tintara {
namespace {

// The value of the last of Qt's options of that name ("-platform", written with one dash or two);
// none when it is not given.
std::optional<QString> QtOptionValue(const QStringList& arguments, const QString& name) {
  std::optional<QString> value;
  for (int i = 1; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == "-" + name || arguments[i] == "--" + name) value = arguments[++i];
  }
  return value;
}

void AddKeys(const QJsonObject& metaData, QStringList& names) {
  const QJsonArray keys = metaData.value("MetaData").toObject().value("Keys").toArray();
  for (const QJsonValue& key : keys) names.append(key.toString().toLower());
}

}  // namespace

QStringList PlatformPluginNames(const QStringList& arguments,
                                const QProcessEnvironment& environment) {
  QStringList folders;
  for (const QString& path : QCoreApplication::libraryPaths()) folders.append(path + "/platforms");
  if (!arguments.isEmpty()) {
    folders.append(QFileInfo(arguments.front()).absolutePath() + "/platforms");
  }
  folders.append(environment.value("QT_QPA_PLATFORM_PLUGIN_PATH"));
  folders.append(QtOptionValue(arguments, "platformpluginpath").value_or(QString()));
  QStringList names;
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
      AddKeys(QPluginLoader(file.absoluteFilePath()).metaData(), names);
    }
  }
  for (const QStaticPlugin& plugin : QPluginLoader::staticPlugins())
    AddKeys(plugin.metaData(), names);
  names.removeDuplicates();
  names.sort();
  return names;
}

std::optional<QString> WhyNoWindowOpens(const QStringList& arguments,
                                        const QProcessEnvironment& environment,
                                        const QStringList& plugins) {
  const QString named =
      QtOptionValue(arguments, "platform").value_or(environment.value("QT_QPA_PLATFORM")).trimmed();
  // The desktop's platform is X11 or Wayland.
  QStringList platforms{"xcb", "wayland"};
  if (!named.isEmpty()) {
    platforms.clear();
    for (const QString& choice : named.split(';', Qt::SkipEmptyParts)) {
      const QString name = choice.section(':', 0, 0).toLower();
      if (plugins.isEmpty() || plugins.contains(name)) platforms.append(name);
    }
    if (platforms.isEmpty()) {
      return "cannot open a window: Qt has no platform plugin '" +
             QString::fromStdString(ShownText(named.toStdString())) +
             "'; set QT_QPA_PLATFORM to one of " + plugins.join(", ");
    }
  }
  const bool x11 =
      !environment.value("DISPLAY").isEmpty() || QtOptionValue(arguments, "display").has_value();
  const bool wayland = !environment.value("WAYLAND_DISPLAY").isEmpty();
  QStringList missing;
  for (const QString& platform : platforms) {
    if (platform == "xcb" && !x11) {
      missing.append("DISPLAY");
    } else if (platform.startsWith("wayland") && !wayland) {
      missing.append("WAYLAND_DISPLAY");
    } else {
      return std::nullopt;
    }
  }
  missing.removeDuplicates();
  return "cannot open a window: no display; set " + missing.join(" or ");
}

}  // namespace tintara
