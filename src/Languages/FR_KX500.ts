<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Localisation</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Capteur H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Gestion</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Longue durée</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Tracé réseau</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Pressuresensor</source>
        <translation type="obsolete">Pressure sensor</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="obsolete">GPS</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation type="obsolete">Measurements</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Mode touche muet</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Protection auditive</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser écrans</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Casque appairé</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>RM-3 appairé</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Touche favori</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Économie d&apos;énergie</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interrupteur</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Bouton poussoir</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Réglages divers</translation>
    </message>
    <message>
        <source>low</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>high</source>
        <translation>élevée</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW : %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Heure d&apos;hiver</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Mesure de niveau</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Mesure longue durée</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Capteur H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localisation</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Tracé de conduite</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Impossible d'enregistrer les réglages. Les modifications seront perdues à l'arrêt de l'appareil.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovène</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovaque</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgare</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croate</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbe</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Menu debug</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Les fonctions de ce menu de service ne sont pas disponibles dans cette version.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Cette fonction n'est pas disponible dans cette version.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Menu test usine</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Les fonctions de ce menu de service ne sont pas disponibles dans cette version.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Le capteur n'a pas été détecté.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Tension batterie du RM-3 trop faible. Veuillez recharger.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Type de capteur non détecté. Fixez le capteur ou nettoyez les contacts.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Batterie très faible. Veuillez recharger.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Saisir un nom</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Aucun capteur</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Mode touche</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>Nom BT</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>Adresse BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Relire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Pas de connexion Bluetooth. Vérifiez le RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Interrogation du RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Pas de réponse du RM-3. Vérifiez qu'il est allumé et à proximité.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Capteur de pression</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Nombre max. de mesures atteint. La mesure ne sera pas enregistrée. Supprimez d'anciennes mesures.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Nombre de mesures proche de la limite. Supprimez d'anciennes mesures.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Mémoire de données insuffisante. La mesure n'a pas été enregistrée. Supprimez d'anciennes mesures.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Impossible d'enregistrer la mesure.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Filtre bande actif</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filtre inactif</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Coupure basse</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Coupure haute</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Filtre auto</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Sans filtre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume casque</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Gain micro</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume casque</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Moins fort</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Plus fort</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Attention ! Un volume élevé peut
endommager l'audition.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Gain micro</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Gain de l'entrée filaire</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Gain du capteur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Régler le filtre</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Gain micro</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume casque</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Lire l'enregistrement</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Gain casque</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Crête</translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="obsolete">Note</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation type="obsolete">You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="obsolete">Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation type="obsolete">No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>NoRecordingStored</source>
        <translation type="obsolete">This measurement has no recording.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation type="obsolete">This measurement is damaged. Its values cannot be shown.</translation>
    </message>
</context>
<context>
    <name>MeasManagement</name>
    <message>
        <source>PreviousPage</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Modifier la mesure</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtrer les mesures</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Aucune mesure enregistrée</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Impossible de supprimer la mesure.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Impossible de renommer la mesure. Une autre mesure porte peut-être ce nom.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Modifier la mesure</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Modifier le nom</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localisation</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Mesure de niveau</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Tracé de conduite</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Mesure H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Mesure longue durée</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Supprimer cette mesure et ses enregistrements ?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Cette mesure n'a pas d'enregistrement.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Impossible de lire l'enregistrement.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Un capteur acoustique doit être
connecté pour cette mesure.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Cette mesure est endommagée. Ses valeurs ne peuvent pas être affichées.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Pas de connexion Bluetooth. Vérifiez le RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Un capteur H2 doit être
connecté pour cette mesure.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle des barres</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Supprimer la dernière position</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Régler le filtre</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Gain micro</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume casque</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Lire l'enregistrement</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Position suivante</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Durée d'analyse</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Échelle auto</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Régler le filtre</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Gain micro</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume casque</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Régler le filtre</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Gain micro</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume casque</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Définir référence</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume casque</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Réf.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Axe du temps</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Axe de pression</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Aucun capteur</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>Le PC peut maintenant lire les mesures.
Éjectez le lecteur sur le PC,
puis appuyez sur Déconnecter.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Connectez le KXE500 au PC
et appuyez sur Connecter.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation type="obsolete">The data could not be handed to the PC. Please try again.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation type="obsolete">The PC still holds the data. Eject the drive on the PC and press Disconnect again.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation type="obsolete">The measurement memory could not be opened. Measurements cannot be stored.</translation>
    </message>
    <message>
        <source>ServiceFilesFailed</source>
        <translation>Ces fichiers du PC n'ont pas pu être exécutés :</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Mise à jour firmware</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Aucun fichier firmware %1 trouvé.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 ne porte pas de version (ex. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Copiez les fichiers firmware.
Appuyez sur Déconnecter une fois
tous les fichiers copiés.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Connectez le KXE500 au PC
et appuyez sur Connecter.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Mise à jour KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Mise à jour RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>%1 fichiers firmware trouvés ; le plus récent est proposé.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Fichier firmware illisible. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Mise à jour du KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Copie des fichiers, veuillez patienter ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Le firmware n'a pas pu être copié. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Mise à jour firmware KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Tous les fichiers sont copiés.
Attendez le redémarrage ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Mise à jour du RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Transfert du firmware, veuillez patienter ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Erreur de mise à jour du firmware. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware transféré.
Attendez le redémarrage du RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Mise à jour du firmware réussie.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Mise à jour firmware RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Mise à jour du firmware terminée avec succès.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>Le RM-3 indique toujours le firmware %1.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>Le RM-3 indique le firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Erreur de mise à jour, veuillez réessayer.
Pas de réponse de l'appareil Bluetooth.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Mise à jour du firmware annulée.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Les données n'ont pas pu être transmises au PC. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>Le PC utilise encore les données. Éjectez le lecteur sur le PC et appuyez à nouveau sur Déconnecter.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>La mémoire de mesures n'a pas pu être ouverte. Impossible d'enregistrer des mesures.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Afficher FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Afficher la fréquence</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Afficher barre de crête</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Barre en couleur fréquence</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Afficher paramètres filtre</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Échelle dynamique</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Afficher grille</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Afficher histogramme</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Afficher plage de travail</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Démarrer avec le favori</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Démarrer avec dernier filtre</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS actif au démarrage</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Mesure de niveau</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Localisation</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Mesure longue durée</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Capteur H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Tracé de conduite</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Date invalide</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Cette date n'existe pas. Corrigez le jour ou le mois.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>low</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>high</source>
        <translation>élevée</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Protection auditive</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Régler le volume casque</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Le volume maximal sera limité.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Attention ! Risque de choc acoustique.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Économie d'énergie</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Extinction</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Écran éteint</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Réglages d'usine</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Retour aux réglages d'usine.
Tous les réglages (ex. langue,
appareils Bluetooth appairés) seront réinitialisés.
Les mesures enregistrées sont conservées.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Réinitialiser vraiment tous les réglages ?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Touche favori</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Mode de la touche muet</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interrupteur</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Bouton poussoir</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Îles Midway</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaï</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacifique</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>Arizona</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Chicago</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Manaus</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Terre-Neuve</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Groenland</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Atlantique central</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Açores</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londres</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Le Caire</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moscou</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Téhéran</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abou Dabi</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kaboul</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Islamabad</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>New Delhi</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Katmandou</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novossibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Rangoun</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Tokyo</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation>Darwin</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sydney</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation>Magadan</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Fidji</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Heure d'été</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Heure d'été</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Heure d'hiver</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Changer heure été / hiver</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Date de fabrication</translation>
    </message>
    <message>
        <source>BluetoothIdTx</source>
        <translation>ID Bluetooth Tx</translation>
    </message>
    <message>
        <source>BluetoothIdRx</source>
        <translation>ID Bluetooth Rx</translation>
    </message>
    <message>
        <source>Hardwareversion</source>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Système d'exploitation</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug activé</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Informations GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Infos satellites</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Vitesse sol</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Mesure de distance</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Position de référence</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Position actuelle</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Changer le format de position</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Afficher la position</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Afficher les données NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Définir la position de référence</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Arrêter le suivi</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Démarrer le suivi</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Supprimer les données</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Activez le mode appairage
et appuyez sur Rechercher ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Aucun appareil trouvé. Réessayez.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Choisir l'appareil à appairer</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Appairage en cours</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Échec de l'appairage.
Veuillez réessayer.</translation>
    </message>
</context>
</TS>
