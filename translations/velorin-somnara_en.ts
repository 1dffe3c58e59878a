<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>AudioFileWriter</name>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>there is no space left on the disk</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en esa carpeta</source>
        <translation>there is no permission to write in that folder</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>la carpeta no existe</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>error de entrada/salida del disco</source>
        <translation>disk input/output error</translation>
    </message>
    <message>
        <source>error de escritura (código </source>
        <translation>write error (code </translation>
    </message>
    <message>
        <source>la cabecera ya enviada no se puede corregir</source>
        <translation>the header already sent cannot be corrected</translation>
    </message>
    <message>
        <source>falta la cabecera del fichero</source>
        <translation>the file’s header is missing</translation>
    </message>
    <message>
        <source>la salida no puede volver atrás</source>
        <translation>the output cannot go back</translation>
    </message>
    <message>
        <source>no se puede escribir en la salida</source>
        <translation>cannot write to the output</translation>
    </message>
    <message>
        <source>no se encuentra un nombre libre en la carpeta</source>
        <translation>no free name can be found in the folder</translation>
    </message>
    <message>
        <source>FLAC no guarda muestras en coma flotante: use 16 o 24 bits</source>
        <translation>FLAC does not store floating-point samples: use 16 or 24 bits</translation>
    </message>
    <message>
        <source>la calidad va de 0 a 10</source>
        <translation>the quality goes from 0 to 10</translation>
    </message>
    <message>
        <source>una salida que no puede volver atrás solo lleva WAV de duración conocida</source>
        <translation>an output that cannot go back carries WAV of known length only</translation>
    </message>
    <message>
        <source>el formato no se puede escribir</source>
        <translation>the format cannot be written</translation>
    </message>
    <message>
        <source>el fichero no se pudo completar</source>
        <translation>the file could not be completed</translation>
    </message>
    <message>
        <source>No se puede escribir el fichero: </source>
        <translation>Cannot write the file: </translation>
    </message>
    <message>
        <source>La exportación no se ha completado</source>
        <translation>The export has not been completed</translation>
    </message>
    <message>
        <source>Formato desconocido: use .wav, .flac, .ogg o .mp3</source>
        <translation>Unknown format: use .wav, .flac, .ogg or .mp3</translation>
    </message>
    <message>
        <source>No se puede crear el fichero: </source>
        <translation>Cannot create the file: </translation>
    </message>
    <message>
        <source>Exportación cancelada: no se ha guardado ningún fichero</source>
        <translation>Export cancelled: no file has been saved</translation>
    </message>
    <message>
        <source>No se puede guardar el fichero con ese nombre</source>
        <translation>Cannot save the file under that name</translation>
    </message>
    <message>
        <source>Exportación cancelada: la salida ha quedado incompleta</source>
        <translation>Export cancelled: the output has been left incomplete</translation>
    </message>
</context>
<context>
    <name>AudioSession</name>
    <message>
        <source>No se encuentra la tarjeta de sonido</source>
        <translation>No sound card found</translation>
    </message>
    <message>
        <source>No se pueden escribir los ficheros de sonido en %1: %2</source>
        <translation>Cannot write the sound files in %1: %2</translation>
    </message>
    <message>
        <source>No se encuentra la salida de audio «%1»: el sonido sale por la predeterminada del sistema.</source>
        <translation>The audio output “%1” cannot be found: the sound goes to the system default.</translation>
    </message>
</context>
<context>
    <name>BackgroundRender</name>
    <message>
        <source>Verificación cancelada</source>
        <translation>Verification cancelled</translation>
    </message>
</context>
<context>
    <name>BassSample</name>
    <message>
        <source>No se puede ajustar el volumen</source>
        <translation>Cannot set the volume</translation>
    </message>
    <message>
        <source>No se puede modificar la frecuencia</source>
        <translation>Cannot change the frequency</translation>
    </message>
    <message>
        <source>No se puede modificar el pulso</source>
        <translation>Cannot change the beat</translation>
    </message>
    <message>
        <source>No se puede establecer el panning</source>
        <translation>Cannot set the panning</translation>
    </message>
    <message>
        <source>No se puede cargar el fichero </source>
        <translation>Cannot load the file </translation>
    </message>
    <message>
        <source>No se puede iniciar el fichero</source>
        <translation>Cannot start the file</translation>
    </message>
    <message>
        <source>No se puede parar el fichero</source>
        <translation>Cannot stop the file</translation>
    </message>
</context>
<context>
    <name>BinauralGuard</name>
    <message>
        <source>tiene un solo canal</source>
        <translation>has a single channel</translation>
    </message>
    <message>
        <source>es un auricular Bluetooth en modo manos libres, que sólo lleva un canal</source>
        <translation>is a Bluetooth headset in hands-free mode, which carries a single channel</translation>
    </message>
    <message>
        <source>Los pulsos binaurales necesitan auriculares estéreo, y la salida de audio%1 %2.

¿Usar el pulso «Isocrónico», que se oye también por altavoces, hasta cerrar el programa? La opción guardada no cambia.</source>
        <translation>Binaural beats need stereo headphones, and the audio output%1 %2.

Use the “Isochronic” pulse, which can also be heard through speakers, until the program closes? The stored option does not change.</translation>
    </message>
</context>
<context>
    <name>CdTrackDialog</name>
    <message>
        <source>Añadir pista de CD</source>
        <translation>Add CD Track</translation>
    </message>
    <message>
        <source>Pistas del disco:</source>
        <translation>Tracks on the disc:</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DrawingCheck</name>
    <message>
        <source>antes del comienzo</source>
        <translation>before the start</translation>
    </message>
    <message>
        <source>después del final</source>
        <translation>after the end</translation>
    </message>
    <message>
        <source>por encima del gráfico</source>
        <translation>above the graph</translation>
    </message>
    <message>
        <source>por debajo del gráfico</source>
        <translation>below the graph</translation>
    </message>
    <message>
        <source>no numérico</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>el punto %1 del pulso está %2</source>
        <translation>beat point %1 is %2</translation>
    </message>
    <message>
        <source>el punto %1 de la portadora está %2</source>
        <translation>carrier point %1 is %2</translation>
    </message>
    <message>
        <source>%1 puntos más fuera del gráfico</source>
        <translation>%1 more points off the graph</translation>
    </message>
    <message>
        <source>el máximo del pulso (%1 Hz) está fuera de los márgenes de las opciones (de %2 a %3 Hz)</source>
        <translation>the beat maximum (%1 Hz) is outside the options’ range (%2 to %3 Hz)</translation>
    </message>
    <message>
        <source>el máximo de la portadora (%1 Hz) está fuera de los márgenes de las opciones (de %2 a %3 Hz)</source>
        <translation>the carrier maximum (%1 Hz) is outside the options’ range (%2 to %3 Hz)</translation>
    </message>
    <message>
        <source>La sesión no suena como la dibuja la ventana: </source>
        <translation>The session does not sound as the window draws it: </translation>
    </message>
    <message>
        <source> y </source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>EditStep</name>
    <message>
        <source>cambiar duración</source>
        <translation>change length</translation>
    </message>
    <message>
        <source>mover punto</source>
        <translation>move point</translation>
    </message>
    <message>
        <source>borrar punto</source>
        <translation>delete point</translation>
    </message>
    <message>
        <source>añadir punto</source>
        <translation>add point</translation>
    </message>
    <message>
        <source>cambiar rangos</source>
        <translation>change ranges</translation>
    </message>
    <message>
        <source>cambiar secuencia</source>
        <translation>change sequence</translation>
    </message>
    <message>
        <source>recuperar la copia</source>
        <translation>recover the copy</translation>
    </message>
</context>
<context>
    <name>FlashRiskMarks</name>
    <message>
        <source>Este tramo destella entre 15 y 20 Hz: es la zona de mayor riesgo para personas fotosensibles.</source>
        <translation>This segment flashes between 15 and 20 Hz: the range of highest risk for photosensitive people.</translation>
    </message>
</context>
<context>
    <name>GlassesSettings</name>
    <message>
        <source>Aviso para personas fotosensibles

Las gafas mentales destellan a la frecuencia de la sesión. Las luces que parpadean entre 3 y 30 veces por segundo pueden provocar crisis epilépticas en personas fotosensibles (alrededor de 1 de cada 4.000 personas de 5 a 24 años), aunque nunca hayan tenido una. El riesgo es mayor entre 15 y 20 destellos por segundo y con los ojos cerrados.

No use las gafas si usted o alguien de su familia ha tenido epilepsia o crisis. Si nota mareo, visión alterada, tics o desorientación, quítese las gafas y pulse Esc: la sesión se detiene y las luces se apagan.

¿Desea activar las gafas mentales?</source>
        <translation>Warning for photosensitive people

The light glasses flash at the frequency of the session. Lights that flicker between 3 and 30 times a second can trigger epileptic seizures in photosensitive people (about 1 in 4,000 people aged 5 to 24), even if they have never had one. The risk is highest between 15 and 20 flashes a second and with the eyes closed.

Do not use the glasses if you or anyone in your family has had epilepsy or seizures. If you feel dizzy, your vision changes, or you notice twitching or disorientation, take the glasses off and press Esc: the session stops and the lights go out.

Do you want to turn on the light glasses?</translation>
    </message>
</context>
<context>
    <name>GnauralImport</name>
    <message>
        <source>el fichero no tiene ningún elemento XML</source>
        <translation>the file holds no XML element</translation>
    </message>
    <message>
        <source>se esperaba &lt;schedule&gt; y el documento empieza por &lt;</source>
        <translation>&lt;schedule&gt; was expected and the document starts with &lt;</translation>
    </message>
    <message>
        <source>el XML está mal formado</source>
        <translation>the XML is malformed</translation>
    </message>
    <message>
        <source>el XML se acaba sin cerrar sus elementos</source>
        <translation>the XML ends without closing its elements</translation>
    </message>
    <message>
        <source> no es un número entero positivo</source>
        <translation> is not a positive whole number</translation>
    </message>
    <message>
        <source>&lt;voice&gt; </source>
        <translation>&lt;voice&gt; </translation>
    </message>
    <message>
        <source> no tiene &lt;type&gt;</source>
        <translation> has no &lt;type&gt;</translation>
    </message>
    <message>
        <source>&lt;entry&gt; </source>
        <translation>&lt;entry&gt; </translation>
    </message>
    <message>
        <source> de la voz </source>
        <translation> of voice </translation>
    </message>
    <message>
        <source> no tiene el atributo </source>
        <translation> lacks the attribute </translation>
    </message>
    <message>
        <source> no es un número válido</source>
        <translation> is not a valid number</translation>
    </message>
    <message>
        <source> es negativo</source>
        <translation> is negative</translation>
    </message>
    <message>
        <source>una segunda voz binaural</source>
        <translation>a second binaural voice</translation>
    </message>
    <message>
        <source>una segunda voz de ruido rosa</source>
        <translation>a second pink noise voice</translation>
    </message>
    <message>
        <source>el sonido de un fichero</source>
        <translation>the sound of a file</translation>
    </message>
    <message>
        <source>los tonos isócronos</source>
        <translation>the isochronic tones</translation>
    </message>
    <message>
        <source>los tonos isócronos alternos</source>
        <translation>the alternating isochronic tones</translation>
    </message>
    <message>
        <source>las gotas de agua</source>
        <translation>the water drops</translation>
    </message>
    <message>
        <source>la lluvia</source>
        <translation>the rain</translation>
    </message>
    <message>
        <source>las voces de un tipo desconocido</source>
        <translation>the voices of an unknown type</translation>
    </message>
    <message>
        <source>no hay ninguna voz binaural (&lt;type&gt;0&lt;/type&gt;)</source>
        <translation>there is no binaural voice (&lt;type&gt;0&lt;/type&gt;)</translation>
    </message>
    <message>
        <source>ruido rosa</source>
        <translation>pink noise</translation>
    </message>
    <message>
        <source>voz</source>
        <translation>voice</translation>
    </message>
    <message>
        <source>voces</source>
        <translation>voices</translation>
    </message>
    <message>
        <source>La voz binaural </source>
        <translation>The binaural voice </translation>
    </message>
    <message>
        <source> está silenciada en el fichero; se ha llevado igualmente.</source>
        <translation> is muted in the file; it has been brought in all the same.</translation>
    </message>
    <message>
        <source>la voz binaural no tiene ninguna &lt;entry&gt;</source>
        <translation>the binaural voice has no &lt;entry&gt;</translation>
    </message>
    <message>
        <source>la voz binaural dura menos de medio segundo</source>
        <translation>the binaural voice lasts less than half a second</translation>
    </message>
    <message>
        <source>El fichero se repite sin fin (&lt;loops&gt;0&lt;/loops&gt;): se lleva una vez.</source>
        <translation>The file repeats endlessly (&lt;loops&gt;0&lt;/loops&gt;): it is brought in once.</translation>
    </message>
    <message>
        <source>la voz binaural repetida da demasiados puntos</source>
        <translation>the repeated binaural voice gives too many points</translation>
    </message>
</context>
<context>
    <name>GraphGrid</name>
    <message>
        <source>Delta</source>
        <translation>Delta</translation>
    </message>
    <message>
        <source>Theta</source>
        <translation>Theta</translation>
    </message>
    <message>
        <source>Alfa</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Beta</translation>
    </message>
</context>
<context>
    <name>HeadphoneCheck</name>
    <message>
        <source>Cada tono suena en su oído: los pulsos binaurales llegarán bien.</source>
        <translation>Each tone sounds in its own ear: binaural beats will come through well.</translation>
    </message>
    <message>
        <source>Los lados llegan cambiados: desmarque «Intercambiar canales» y repita la comprobación.</source>
        <translation>The sides arrive swapped: untick “Swap channels” and repeat the check.</translation>
    </message>
    <message>
        <source>Los lados llegan cambiados: marque «Intercambiar canales» y repita la comprobación.</source>
        <translation>The sides arrive swapped: tick “Swap channels” and repeat the check.</translation>
    </message>
    <message>
        <source>Sólo suena un lado: revise el cable y los auriculares. Sin los dos lados, elija el pulso «Isocrónico» en Opciones.</source>
        <translation>Only one side sounds: check the cable and the headphones. Without both sides, choose the “Isochronic” pulse in Options.</translation>
    </message>
    <message>
        <source>Los dos tonos suenan en el mismo oído: la salida no es estéreo. Elija el pulso «Monoaural» o «Isocrónico» en Opciones.</source>
        <translation>Both tones sound in the same ear: the output is not stereo. Choose the “Monaural” or “Isochronic” pulse in Options.</translation>
    </message>
    <message>
        <source>No suena nada: revise el volumen y la salida de audio.</source>
        <translation>Nothing sounds: check the volume and the audio output.</translation>
    </message>
</context>
<context>
    <name>HelpDesk</name>
    <message>
        <source>No se encuentra el fichero de ayuda</source>
        <translation>The help file cannot be found</translation>
    </message>
</context>
<context>
    <name>ImportDraft</name>
    <message>
        <source> y </source>
        <translation> and </translation>
    </message>
    <message>
        <source> y %1 más</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>No se ha podido llevar a la sesión: </source>
        <translation>Could not be brought into the session: </translation>
    </message>
    <message>
        <source>La sesión duraba %1 y se ha recortado a 59:59.</source>
        <translation>The session lasted %1 and has been cut to 59:59.</translation>
    </message>
    <message>
        <source>la sesión dura menos de un segundo</source>
        <translation>the session lasts less than a second</translation>
    </message>
    <message>
        <source>Las frecuencias binaurales por encima de %1 se han limitado a %1.</source>
        <translation>Binaural frequencies above %1 have been limited to %1.</translation>
    </message>
    <message>
        <source>Las frecuencias base por encima de %1 se han limitado a %1.</source>
        <translation>Base frequencies above %1 have been limited to %1.</translation>
    </message>
    <message>
        <source>La escala base abarca %1: las frecuencias base por debajo de %2 se han subido a %2.</source>
        <translation>The base scale spans %1: base frequencies below %2 have been raised to %2.</translation>
    </message>
    <message>
        <source>La curva binaural necesitaba más de %1 puntos: se ha simplificado a %1 con un error de %2 Hz como mucho.</source>
        <translation>The binaural curve needed more than %1 points: it has been simplified to %1 with an error of at most %2 Hz.</translation>
    </message>
    <message>
        <source>La curva base necesitaba más de %1 puntos: se ha simplificado a %1 con un error de %2 Hz como mucho.</source>
        <translation>The base curve needed more than %1 points: it has been simplified to %1 with an error of at most %2 Hz.</translation>
    </message>
    <message>
        <source>El %1 cambia de nivel (de %2 a %3): se propone %4 para la máscara.</source>
        <translation>The %1 changes level (from %2 to %3): %4 is proposed for the masking noise.</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
</context>
<context>
    <name>LedPort</name>
    <message>
        <source>; las gafas no recibirán señal.</source>
        <translation>; the glasses will receive no signal.</translation>
    </message>
    <message>
        <source>No hay permiso para usar el %1 %2: el usuario debe pertenecer al grupo «%3» (hay que volver a iniciar la sesión después de añadirlo)</source>
        <translation>No permission to use the %1 %2: the user must belong to the group “%3” (log out and in again after adding it)</translation>
    </message>
    <message>
        <source>No existe el %1 %2 (%3)</source>
        <translation>There is no %1 %2 (%3)</translation>
    </message>
    <message>
        <source>El %1 %2 está ocupado por otro programa</source>
        <translation>The %1 %2 is in use by another program</translation>
    </message>
    <message>
        <source>No se puede usar el %1 %2: %3</source>
        <translation>Cannot use the %1 %2: %3</translation>
    </message>
    <message>
        <source>puerto paralelo</source>
        <translation>parallel port</translation>
    </message>
    <message>
        <source>dispositivo</source>
        <translation>device</translation>
    </message>
    <message>
        <source>¿está cargado el módulo «ppdev»?</source>
        <translation>is the “ppdev” module loaded?</translation>
    </message>
    <message>
        <source>No se ha elegido una dirección de puerto paralelo válida (378, 278 o 3BC)</source>
        <translation>No valid parallel port address has been chosen (378, 278 or 3BC)</translation>
    </message>
    <message>
        <source>No hay ningún puerto paralelo en la dirección </source>
        <translation>There is no parallel port at address </translation>
    </message>
    <message>
        <source>puerto serie</source>
        <translation>serial port</translation>
    </message>
    <message>
        <source>¿está conectada la placa?</source>
        <translation>is the board connected?</translation>
    </message>
    <message>
        <source>Se ha perdido la conexión con las gafas en el puerto serie %1 (¿se ha desconectado la placa?)</source>
        <translation>The connection to the glasses on the serial port %1 has been lost (has the board been unplugged?)</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>Se ha producido un error al leer los datos de </source>
        <translation>An error occurred while reading the data of </translation>
    </message>
    <message>
        <source>; se conserva como </source>
        <translation>; it is kept as </translation>
    </message>
</context>
<context>
    <name>MainWindowTexts</name>
    <message>
        <source>LEDs de las gafas</source>
        <translation>Glasses LEDs</translation>
    </message>
    <message>
        <source>Lo que muestran ahora las gafas: cuatro luces para cada ojo</source>
        <translation>What the glasses show now: four lights for each eye</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Hace sonar la sesión desde el principio (%1)</source>
        <translation>Plays the session from the beginning (%1)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Para el sonido, la música y las luces (%1 o %2)</source>
        <translation>Stops the sound, the music and the lights (%1 or %2)</translation>
    </message>
    <message>
        <source>Música activa</source>
        <translation>Music on</translation>
    </message>
    <message>
        <source>Sonido Máscara activo</source>
        <translation>Masking noise on</translation>
    </message>
    <message>
        <source>Sonido Binaural activo</source>
        <translation>Binaural sound on</translation>
    </message>
    <message>
        <source>Volumen de la música</source>
        <translation>Music volume</translation>
    </message>
    <message>
        <source>Volumen de la música de fondo: más alto hacia arriba</source>
        <translation>Volume of the background music: louder upwards</translation>
    </message>
    <message>
        <source>Volumen del sonido máscara</source>
        <translation>Masking noise volume</translation>
    </message>
    <message>
        <source>Volumen del ruido que envuelve los tonos: más alto hacia arriba</source>
        <translation>Volume of the noise around the tones: louder upwards</translation>
    </message>
    <message>
        <source>Volumen del sonido binaural</source>
        <translation>Binaural sound volume</translation>
    </message>
    <message>
        <source>Volumen de los dos tonos binaurales: más alto hacia arriba</source>
        <translation>Volume of the two binaural tones: louder upwards</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Frecuencia Binaural</source>
        <translation>Binaural Frequency</translation>
    </message>
    <message>
        <source>Frecuencia Base</source>
        <translation>Base Frequency</translation>
    </message>
    <message>
        <source>Gráfico de la sesión</source>
        <translation>Session graph</translation>
    </message>
    <message>
        <source>Pulse para añadir un punto de frecuencia binaural, con Mayúsculas uno de frecuencia base; arrastre un punto para moverlo, botón derecho para borrarlo</source>
        <translation>Click to add a binaural frequency point, with Shift a base frequency one; drag a point to move it, right-click to delete it</translation>
    </message>
    <message>
        <source>Secuencias de LED</source>
        <translation>LED sequences</translation>
    </message>
    <message>
        <source>La secuencia de luces de cada tramo: doble clic para elegir otra</source>
        <translation>The light sequence of each segment: double-click to choose another</translation>
    </message>
    <message>
        <source>Minutos de la sesión</source>
        <translation>Session minutes</translation>
    </message>
    <message>
        <source>Duración de la sesión: minutos</source>
        <translation>Session length: minutes</translation>
    </message>
    <message>
        <source>Segundos de la sesión</source>
        <translation>Session seconds</translation>
    </message>
    <message>
        <source>Duración de la sesión: segundos</source>
        <translation>Session length: seconds</translation>
    </message>
    <message>
        <source>Biblioteca de sesiones</source>
        <translation>Session library</translation>
    </message>
    <message>
        <source>Sus sesiones: pulse una para abrirla; el botón derecho abre el menú Sesión</source>
        <translation>Your sessions: click one to open it; the right button opens the Session menu</translation>
    </message>
    <message>
        <source>Lista de música</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>La música de fondo: pulse una canción para elegirla, arrastre aquí ficheros de música para añadirlos; el botón derecho abre el menú Música</source>
        <translation>The background music: click a song to choose it, drag music files here to add them; the right button opens the Music menu</translation>
    </message>
</context>
<context>
    <name>MainWindowUi</name>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Frecuencia/Tiempo</source>
        <translation>Frequency/Time</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Frecuencia Binaural (Hz)</source>
        <translation>Binaural Frequency (Hz)</translation>
    </message>
    <message>
        <source>Frecuencia Base (Hz)</source>
        <translation>Base Frequency (Hz)</translation>
    </message>
    <message>
        <source>Tiempo (mm:ss)</source>
        <translation>Time (mm:ss)</translation>
    </message>
    <message>
        <source>Frecuencia Binaural</source>
        <translation>Binaural Frequency</translation>
    </message>
    <message>
        <source>Frecuencia Base</source>
        <translation>Base Frequency</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Activar/Desactivar Música</source>
        <translation>Music On/Off</translation>
    </message>
    <message>
        <source>Activar/Desactivar sonido Máscara</source>
        <translation>Masking Noise On/Off</translation>
    </message>
    <message>
        <source>Activar/Desactivar sonido Binaural</source>
        <translation>Binaural Sound On/Off</translation>
    </message>
    <message>
        <source>Activo</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Música</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Sonido Máscara</source>
        <translation>Masking Noise</translation>
    </message>
    <message>
        <source>Sonido Binaural</source>
        <translation>Binaural Sound</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Importar sesión...</source>
        <translation>&amp;Import session...</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Edición</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rehacer</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Sesión</source>
        <translation>&amp;Session</translation>
    </message>
    <message>
        <source>&amp;Nueva</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Guardar Sesión</source>
        <translation>&amp;Save Session</translation>
    </message>
    <message>
        <source>G&amp;uardar Sesión como...</source>
        <translation>Sa&amp;ve Session As...</translation>
    </message>
    <message>
        <source>Exportar como &amp;programa .sbg...</source>
        <translation>Export as .sbg sche&amp;dule...</translation>
    </message>
    <message>
        <source>&amp;Añadir Sesión...</source>
        <translation>&amp;Add Session...</translation>
    </message>
    <message>
        <source>&amp;Eliminar Sesión</source>
        <translation>Re&amp;move Session</translation>
    </message>
    <message>
        <source>&amp;Comprobar auriculares...</source>
        <translation>&amp;Check headphones...</translation>
    </message>
    <message>
        <source>&amp;Música</source>
        <translation>&amp;Music</translation>
    </message>
    <message>
        <source>&amp;Añadir Canción...</source>
        <translation>&amp;Add Song...</translation>
    </message>
    <message>
        <source>Añadir pista de CD...</source>
        <translation>Add CD track...</translation>
    </message>
    <message>
        <source>&amp;Eliminar Canción</source>
        <translation>Re&amp;move Song</translation>
    </message>
    <message>
        <source>A&amp;yuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contenido...</source>
        <translation>&amp;Contents...</translation>
    </message>
    <message>
        <source>A&amp;cerca de...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>P&amp;lay/Stop</source>
        <translation>P&amp;lay/Stop</translation>
    </message>
</context>
<context>
    <name>MusicLibrary</name>
    <message>
        <source>Añadir Canción</source>
        <translation>Add Song</translation>
    </message>
    <message>
        <source>Ficheros musicales (mp3, wav, ogg, mid, cda)</source>
        <translation>Music files (mp3, wav, ogg, mid, cda)</translation>
    </message>
    <message>
        <source>No se puede inicializar el CD</source>
        <translation>Cannot initialise the CD</translation>
    </message>
    <message>
        <source>No se puede abrir el fichero</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>Pista %1  (%2)</source>
        <translation>Track %1  (%2)</translation>
    </message>
    <message>
        <source>No hay ningún disco de audio en la unidad</source>
        <translation>There is no audio disc in the drive</translation>
    </message>
    <message>
        <source>Eliminar: %1?</source>
        <translation>Remove: %1?</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Error al reproducir el fichero</source>
        <translation>Error playing the file</translation>
    </message>
    <message>
        <source>No se puede inicializar el CD</source>
        <translation>Cannot initialise the CD</translation>
    </message>
</context>
<context>
    <name>OptionsTexts</name>
    <message>
        <source>Apartados de las opciones</source>
        <translation>Option sections</translation>
    </message>
    <message>
        <source>Frecuencia Binaural Máxima</source>
        <translation>Maximum Binaural Frequency</translation>
    </message>
    <message>
        <source>El valor más alto del eje de frecuencia binaural del gráfico</source>
        <translation>The highest value on the graph’s binaural frequency axis</translation>
    </message>
    <message>
        <source>Frecuencia Base Máxima</source>
        <translation>Maximum Base Frequency</translation>
    </message>
    <message>
        <source>El valor más alto del eje de frecuencia base del gráfico</source>
        <translation>The highest value on the graph’s base frequency axis</translation>
    </message>
    <message>
        <source>Líneas del Grid</source>
        <translation>Grid lines</translation>
    </message>
    <message>
        <source>Muestra en el gráfico las líneas de las bandas y del tiempo</source>
        <translation>Shows the lines of the bands and of the time on the graph</translation>
    </message>
    <message>
        <source>Texto de Frecuencias</source>
        <translation>Frequency labels</translation>
    </message>
    <message>
        <source>Muestra en el gráfico los nombres de las bandas Delta, Theta, Alfa y Beta</source>
        <translation>Shows the names of the Delta, Theta, Alpha and Beta bands on the graph</translation>
    </message>
    <message>
        <source>Tocar cíclicamente</source>
        <translation>Play in a loop</translation>
    </message>
    <message>
        <source>Tras la última canción la lista vuelve a la primera; si no, se repite la última</source>
        <translation>After the last song the playlist goes back to the first; otherwise the last one repeats</translation>
    </message>
    <message>
        <source>Tocar sólo canción seleccionada</source>
        <translation>Play the selected song only</translation>
    </message>
    <message>
        <source>Al acabar la canción elegida vuelve a sonar la misma, sin pasar a la siguiente</source>
        <translation>When the chosen song ends it plays again, without going on to the next</translation>
    </message>
    <message>
        <source>Apagar volumen en los últimos</source>
        <translation>Fade out the volume over the last</translation>
    </message>
    <message>
        <source>Durante cuánto tiempo baja el volumen hasta el silencio al final de la sesión (minutos:segundos)</source>
        <translation>How long the volume takes to fall to silence at the end of the session (minutes:seconds)</translation>
    </message>
    <message>
        <source>Gafas mentales conectadas</source>
        <translation>Light glasses connected</translation>
    </message>
    <message>
        <source>Enciende las luces de las gafas al ritmo del pulso durante la sesión</source>
        <translation>Flashes the glasses’ lights at the rate of the beat during the session</translation>
    </message>
    <message>
        <source>Señal de luz en el audio</source>
        <translation>Light signal in the audio</translation>
    </message>
    <message>
        <source>Lleva las luces también en el sonido, para aparatos de luz y sonido que las leen de su entrada de audio</source>
        <translation>Carries the lights in the sound too, for light-and-sound devices that read them from their audio input</translation>
    </message>
    <message>
        <source>Puerto Paralelo</source>
        <translation>Parallel Port</translation>
    </message>
    <message>
        <source>El puerto, paralelo o USB, al que están conectadas las gafas</source>
        <translation>The port, parallel or USB, the glasses are connected to</translation>
    </message>
    <message>
        <source>Salida Puerto</source>
        <translation>Port Output</translation>
    </message>
    <message>
        <source>Direct: un bit a 1 enciende su LED; Invers: lo apaga, para gafas que encienden con 0</source>
        <translation>Direct: a bit at 1 lights its LED; Invers: turns it off, for glasses that light with 0</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Hace pasar las luces por las gafas y por los LEDs de esta página, para comprobar la conexión</source>
        <translation>Runs the lights through the glasses and the LEDs on this page, to check the connection</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cierra las opciones</source>
        <translation>Closes the options</translation>
    </message>
    <message>
        <source>Pulse un LED para cambiar su color</source>
        <translation>Click an LED to change its colour</translation>
    </message>
    <message>
        <source>Colores de los LEDs</source>
        <translation>LED colours</translation>
    </message>
    <message>
        <source>Pulse para cambiar el color de este LED</source>
        <translation>Click to change the colour of this LED</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>No se pueden guardar las preferencias en &quot;%1&quot;. Los cambios de configuración no se conservarán.</source>
        <translation>Cannot save the preferences in &quot;%1&quot;. Changes to the settings will not be kept.</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Se ha encontrado una copia de la sesión «%1» sin guardar. ¿Recuperarla?</source>
        <translation>An unsaved copy of the session “%1” has been found. Recover it?</translation>
    </message>
</context>
<context>
    <name>RenderCommand</name>
    <message>
        <source>: nota: </source>
        <translation>: note: </translation>
    </message>
    <message>
        <source>  quedan </source>
        <translation>  left </translation>
    </message>
    <message>
        <source>binaural %1</source>
        <translation>binaural %1</translation>
    </message>
    <message>
        <source>máscara %1</source>
        <translation>masking noise %1</translation>
    </message>
    <message>
        <source>música %1 (%2 canción)</source>
        <translation>music %1 (%2 song)</translation>
    </message>
    <message>
        <source>música %1 (%2 canciones)</source>
        <translation>music %1 (%2 songs)</translation>
    </message>
    <message>
        <source>luz</source>
        <translation>light</translation>
    </message>
    <message>
        <source>fundido %1 s</source>
        <translation>fade %1 s</translation>
    </message>
    <message>
        <source>sin fundido</source>
        <translation>no fade</translation>
    </message>
    <message>
        <source>(entrada estándar)</source>
        <translation>(standard input)</translation>
    </message>
    <message>
        <source>nota: </source>
        <translation>note: </translation>
    </message>
    <message>
        <source>: no se puede crear la carpeta </source>
        <translation>: cannot create the folder </translation>
    </message>
    <message>
        <source>interrumpida antes de empezar</source>
        <translation>interrupted before it began</translation>
    </message>
    <message>
        <source>el ruido de la sesión suena como máscara, a %1 (--mascara lo cambia)</source>
        <translation>the session’s noise plays as the masking noise, at %1 (--mascara changes it)</translation>
    </message>
    <message>
        <source>no queda ninguna fuente de sonido</source>
        <translation>no sound source is left</translation>
    </message>
    <message>
        <source>otra sesión ya se graba en </source>
        <translation>another session is already being recorded to </translation>
    </message>
    <message>
        <source>no se puede escribir </source>
        <translation>cannot write </translation>
    </message>
    <message>
        <source>(salida estándar)</source>
        <translation>(standard output)</translation>
    </message>
    <message>
        <source>monoaural %1</source>
        <translation>monaural %1</translation>
    </message>
    <message>
        <source>isocrónico %1</source>
        <translation>isochronic %1</translation>
    </message>
    <message>
        <source>máscara %1 (rosa)</source>
        <translation>masking noise %1 (pink)</translation>
    </message>
    <message>
        <source>máscara %1 (marrón)</source>
        <translation>masking noise %1 (brown)</translation>
    </message>
    <message>
        <source>canales intercambiados</source>
        <translation>channels swapped</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <source>CARPETA</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Graba cada SESION en CARPETA/SESION.wav (o con la extensión de --formato), varias a la vez; la carpeta se crea si falta.</source>
        <translation>Records each SESSION to FOLDER/SESSION.wav (or with the extension of --formato), several at a time; the folder is created if missing.</translation>
    </message>
    <message>
        <source>FORMATO</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>wav, flac, ogg o mp3, cuando el nombre de SALIDA no lo dice.</source>
        <translation>wav, flac, ogg or mp3, when the name of OUTPUT does not say.</translation>
    </message>
    <message>
        <source>BITS</source>
        <translation>BITS</translation>
    </message>
    <message>
        <source>WAV y FLAC: 16 (por omisión), 24 o 32f (WAV en coma flotante).</source>
        <translation>WAV and FLAC: 16 (the default), 24 or 32f (floating-point WAV).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Ogg y MP3: de 0 (el fichero menor) a 10 (el mejor sonido); 8 por omisión.</source>
        <translation>Ogg and MP3: from 0 (the smallest file) to 10 (the best sound); 8 by default.</translation>
    </message>
    <message>
        <source>Los tonos binaurales a N, de 0 a 100 (0 los quita); 50 por omisión.</source>
        <translation>The binaural tones at N, from 0 to 100 (0 leaves them out); 50 by default.</translation>
    </message>
    <message>
        <source>El ruido de enmascaramiento a N, de 0 a 100; 0, por omisión, lo quita (una sesión importada con ruido lo trae a su nivel).</source>
        <translation>The masking noise at N, from 0 to 100; 0, the default, leaves it out (an imported session with noise brings it at its own level).</translation>
    </message>
    <message>
        <source>La música de fondo a N, de 0 a 100 (0 la quita); por omisión a 100 si la casilla de música quedó marcada en la ventana.</source>
        <translation>The background music at N, from 0 to 100 (0 leaves it out); by default 100 if the music box was left ticked in the window.</translation>
    </message>
    <message>
        <source>Sin la música de fondo (lo mismo que --musica 0).</source>
        <translation>Without the background music (the same as --musica 0).</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Segundos del descenso del volumen al final, de 0 a 120; 30 por omisión.</source>
        <translation>Seconds of the volume fade at the end, from 0 to 120; 30 by default.</translation>
    </message>
    <message>
        <source>Lleva en el sonido la señal de luz de las gafas.</source>
        <translation>Carries the glasses’ light signal in the sound.</translation>
    </message>
    <message>
        <source>FICHERO</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Escribe además el informe de la comprobación en JSON (con una sola sesión).</source>
        <translation>Also writes the verification report as JSON (with a single session).</translation>
    </message>
    <message>
        <source>Sin barra de progreso ni resumen: solo los errores.</source>
        <translation>No progress bar and no summary: only the errors.</translation>
    </message>
    <message>
        <source>Lee y comprueba las sesiones y muestra su duración y sus fuentes, sin escribir nada.</source>
        <translation>Reads and checks the sessions and shows their length and sources, writing nothing.</translation>
    </message>
    <message>
        <source>opción desconocida: </source>
        <translation>unknown option: </translation>
    </message>
    <message>
        <source>falta el valor de </source>
        <translation>missing the value of </translation>
    </message>
    <message>
        <source> no lleva valor</source>
        <translation> takes no value</translation>
    </message>
    <message>
        <source>argumentos no válidos: </source>
        <translation>invalid arguments: </translation>
    </message>
    <message>
        <source>--%1 va de 0 a %2, no «%3»</source>
        <translation>--%1 goes from 0 to %2, not “%3”</translation>
    </message>
    <message>
        <source>--calidad va de 0 a 10, no «%1»</source>
        <translation>--calidad goes from 0 to 10, not “%1”</translation>
    </message>
    <message>
        <source>--bits es 16, 24 o 32f, no «%1»</source>
        <translation>--bits is 16, 24 or 32f, not “%1”</translation>
    </message>
    <message>
        <source>--formato es wav, flac, ogg o mp3, no «%1»</source>
        <translation>--formato is wav, flac, ogg or mp3, not “%1”</translation>
    </message>
    <message>
        <source>se esperan una sesión y un fichero de salida</source>
        <translation>a session and an output file are expected</translation>
    </message>
    <message>
        <source>se espera al menos una sesión tras -d CARPETA</source>
        <translation>at least one session is expected after -d FOLDER</translation>
    </message>
    <message>
        <source>la entrada estándar da una sola sesión, sin -d</source>
        <translation>standard input gives a single session, without -d</translation>
    </message>
    <message>
        <source>--informe es para una sola sesión, sin -d</source>
        <translation>--informe is for a single session, without -d</translation>
    </message>
    <message>
        <source>formato desconocido: %1 (use .wav, .flac, .ogg o .mp3, o --formato)</source>
        <translation>unknown format: %1 (use .wav, .flac, .ogg or .mp3, or --formato)</translation>
    </message>
    <message>
        <source>la salida estándar solo lleva WAV</source>
        <translation>standard output carries WAV only</translation>
    </message>
    <message>
        <source>--formato %1 no es el formato que dice el nombre %2</source>
        <translation>--formato %1 is not the format the name %2 says</translation>
    </message>
    <message>
        <source>--bits es para WAV y FLAC</source>
        <translation>--bits is for WAV and FLAC</translation>
    </message>
    <message>
        <source>--calidad es para Ogg y MP3</source>
        <translation>--calidad is for Ogg and MP3</translation>
    </message>
    <message>
        <source>falta el valor de -d</source>
        <translation>missing the value of -d</translation>
    </message>
    <message>
        <source>uso: %1 [OPCIONES] SESION SALIDA, o -d CARPETA SESION... (--help: todas las opciones)</source>
        <translation>usage: %1 [OPTIONS] SESSION OUTPUT, or -d FOLDER SESSION... (--help: all the options)</translation>
    </message>
    <message>
        <source>Uso: %1 [OPCIONES] SESION SALIDA
     %1 [OPCIONES] -d CARPETA SESION...
     %1 --comprobar [OPCIONES] SESION... [SALIDA]

</source>
        <translation>Usage: %1 [OPTIONS] SESSION OUTPUT
       %1 [OPTIONS] -d FOLDER SESSION...
       %1 --comprobar [OPTIONS] SESSION... [OUTPUT]

</translation>
    </message>
    <message>
        <source>Graba una sesión en un fichero de sonido tal como la hace sonar Play, sin tarjeta de sonido, y comprueba lo grabado. SESION es un fichero .vso o una sesión de otro programa (.sbg, .gnaural); «-» la lee de la entrada estándar. SALIDA es un .wav, .flac, .ogg o .mp3; «-» escribe WAV en la salida estándar, para un reproductor o un codificador (el resumen va entonces a la salida de errores). «--» termina las opciones.</source>
        <translation>Records a session to a sound file just as Play sounds it, with no sound card, and checks the recording. SESSION is a .vso file or a session of another program (.sbg, .gnaural); “-” reads it from standard input. OUTPUT is a .wav, .flac, .ogg or .mp3; “-” writes WAV to standard output, for a player or an encoder (the summary then goes to standard error). “--” ends the options.</translation>
    </message>
    <message>
        <source>
Opciones:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>
Estado de salida:
  0  grabada entera y comprobada sin defectos
  1  la grabación o la escritura falló o se interrumpió
  2  los argumentos o una sesión no son válidos
  3  grabada, pero la comprobación encontró defectos
  Con varias sesiones, el peor de todos: 2, luego 1, luego 3.

Ejemplos:
  %1 Relajación.vso relajacion.flac
  %1 --bits 24 Sueño.vso - | aplay
  %1 --mascara 30 -f ogg -d grabadas *.vso
</source>
        <translation>
Exit status:
  0  recorded in full and checked with no defects
  1  the recording or the writing failed or was interrupted
  2  the arguments or a session are not valid
  3  recorded, but the check found defects
  With several sessions, the worst of them: 2, then 1, then 3.

Examples:
  %1 Relajación.vso relajacion.flac
  %1 --bits 24 Sueño.vso - | aplay
  %1 --mascara 30 -f ogg -d recordings *.vso
</translation>
    </message>
    <message>
        <source>24 bits</source>
        <translation>24-bit</translation>
    </message>
    <message>
        <source>32 bits en coma flotante</source>
        <translation>32-bit floating point</translation>
    </message>
    <message>
        <source>16 bits</source>
        <translation>16-bit</translation>
    </message>
    <message>
        <source>calidad %1</source>
        <translation>quality %1</translation>
    </message>
    <message>
        <source>TIPO</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>binaural (con auriculares, por omisión), monoaural o isocronico (también con altavoces).</source>
        <translation>binaural (with headphones, the default), monoaural or isocronico (with speakers too).</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOUR</translation>
    </message>
    <message>
        <source>El color del ruido de enmascaramiento: original (por omisión), rosa o marron.</source>
        <translation>The colour of the masking noise: original (the default), rosa (pink) or marron (brown).</translation>
    </message>
    <message>
        <source>Las casillas, los niveles, el fundido y el sonido (pulso, ruido, canales) como quedaron en la ventana al salir (las opciones de arriba mandan sobre ellos).</source>
        <translation>The boxes, levels, fade and sound (pulse, noise, channels) as they were left in the window at exit (the options above override them).</translation>
    </message>
    <message>
        <source>--pulso es binaural, monoaural o isocronico, no «%1»</source>
        <translation>--pulso is binaural, monoaural or isocronico, not “%1”</translation>
    </message>
    <message>
        <source>--ruido es original, rosa o marron, no «%1»</source>
        <translation>--ruido is original, rosa or marron, not “%1”</translation>
    </message>
</context>
<context>
    <name>Safekeeping</name>
    <message>
        <source>No se puede escribir la copia de recuperación %1: %2</source>
        <translation>Cannot write the recovery copy %1: %2</translation>
    </message>
</context>
<context>
    <name>SbgImport</name>
    <message>
        <source>falta «}» para cerrar el bloque</source>
        <translation>“}” is missing to close the block</translation>
    </message>
    <message>
        <source>en un bloque solo caben líneas de tiempo</source>
        <translation>a block holds time lines only</translation>
    </message>
    <message>
        <source>«}» sin un bloque abierto</source>
        <translation>“}” with no block open</translation>
    </message>
    <message>
        <source>línea no reconocida </source>
        <translation>unrecognised line </translation>
    </message>
    <message>
        <source>la opción </source>
        <translation>the option </translation>
    </message>
    <message>
        <source> hace el programa por sí misma y no se puede importar</source>
        <translation> makes the program play on its own and cannot be imported</translation>
    </message>
    <message>
        <source>nombre no válido </source>
        <translation>invalid name </translation>
    </message>
    <message>
        <source> ya está definido en la línea </source>
        <translation> is already defined on line </translation>
    </message>
    <message>
        <source>ruido giratorio (spin)</source>
        <translation>spinning noise (spin)</translation>
    </message>
    <message>
        <source>voz no reconocida </source>
        <translation>unrecognised voice </translation>
    </message>
    <message>
        <source>ruido blanco</source>
        <translation>white noise</translation>
    </message>
    <message>
        <source>ruido marrón</source>
        <translation>brown noise</translation>
    </message>
    <message>
        <source>la mezcla con un sonido de fondo (mix)</source>
        <translation>the mix with a background sound (mix)</translation>
    </message>
    <message>
        <source>nivel no válido en </source>
        <translation>invalid level in </translation>
    </message>
    <message>
        <source>una segunda voz de ruido rosa</source>
        <translation>a second pink noise voice</translation>
    </message>
    <message>
        <source>las campanas (bell)</source>
        <translation>the bells (bell)</translation>
    </message>
    <message>
        <source>los tonos isócronos (@)</source>
        <translation>the isochronic tones (@)</translation>
    </message>
    <message>
        <source>los tonos modulados (~)</source>
        <translation>the modulated tones (~)</translation>
    </message>
    <message>
        <source>una segunda voz binaural</source>
        <translation>a second binaural voice</translation>
    </message>
    <message>
        <source>las formas de onda que no son senoidales</source>
        <translation>the waveforms that are not sine waves</translation>
    </message>
    <message>
        <source>los efectos sobre la mezcla (mixspin, mixpulse, mixbeat, mixam)</source>
        <translation>the effects on the mix (mixspin, mixpulse, mixbeat, mixam)</translation>
    </message>
    <message>
        <source>hora no válida </source>
        <translation>invalid time </translation>
    </message>
    <message>
        <source>en un bloque las horas son relativas (+hh:mm)</source>
        <translation>in a block the times are relative (+hh:mm)</translation>
    </message>
    <message>
        <source>fundido no válido </source>
        <translation>invalid fade </translation>
    </message>
    <message>
        <source>: son dos signos, el primero de &lt; - = y el segundo de &gt; - =</source>
        <translation>: it is two signs, the first one of &lt; - = and the second one of &gt; - =</translation>
    </message>
    <message>
        <source>falta el nombre del conjunto de tonos</source>
        <translation>the name of the tone set is missing</translation>
    </message>
    <message>
        <source>sobra </source>
        <translation>unexpected </translation>
    </message>
    <message>
        <source> al final de la línea</source>
        <translation> at the end of the line</translation>
    </message>
    <message>
        <source> no está definido</source>
        <translation> is not defined</translation>
    </message>
    <message>
        <source>un bloque no lleva fundido ni -&gt;</source>
        <translation>a block takes neither a fade nor -&gt;</translation>
    </message>
    <message>
        <source>un bloque no puede usarse a sí mismo</source>
        <translation>a block cannot use itself</translation>
    </message>
    <message>
        <source>los bloques dan más de </source>
        <translation>the blocks give more than </translation>
    </message>
    <message>
        <source> líneas de tiempo</source>
        <translation> time lines</translation>
    </message>
    <message>
        <source>los bloques se usan unos a otros a más de </source>
        <translation>the blocks use one another more than </translation>
    </message>
    <message>
        <source> niveles</source>
        <translation> levels deep</translation>
    </message>
    <message>
        <source>no se pueden mezclar NOW y horas de reloj</source>
        <translation>NOW and clock times cannot be mixed</translation>
    </message>
    <message>
        <source>la hora es anterior a la de la línea </source>
        <translation>the time is earlier than that of line </translation>
    </message>
    <message>
        <source>no hay ninguna línea de tiempo</source>
        <translation>there is no time line</translation>
    </message>
    <message>
        <source>la sesión dura 0 segundos: la última línea de tiempo marca su final</source>
        <translation>the session lasts 0 seconds: the last time line marks its end</translation>
    </message>
    <message>
        <source>los fundidos a través del silencio (&lt;, &gt;)</source>
        <translation>the fades through silence (&lt;, &gt;)</translation>
    </message>
    <message>
        <source>ningún conjunto de tonos usado tiene una voz binaural</source>
        <translation>no tone set in use has a binaural voice</translation>
    </message>
    <message>
        <source>ruido rosa</source>
        <translation>pink noise</translation>
    </message>
    <message>
        <source>los silencios (conjuntos de tonos sin voz binaural)</source>
        <translation>the silences (tone sets with no binaural voice)</translation>
    </message>
    <message>
        <source>línea</source>
        <translation>line</translation>
    </message>
    <message>
        <source>líneas</source>
        <translation>lines</translation>
    </message>
</context>
<context>
    <name>Sequences</name>
    <message>
        <source>Rueda interior</source>
        <translation>Inner wheel</translation>
    </message>
    <message>
        <source>Rueda exterior</source>
        <translation>Outer wheel</translation>
    </message>
    <message>
        <source>Ola interior</source>
        <translation>Inner wave</translation>
    </message>
    <message>
        <source>Ola exterior</source>
        <translation>Outer wave</translation>
    </message>
    <message>
        <source>On Off</source>
        <translation>On Off</translation>
    </message>
    <message>
        <source>Flip Flop</source>
        <translation>Flip Flop</translation>
    </message>
    <message>
        <source>Cruz</source>
        <translation>Cross</translation>
    </message>
</context>
<context>
    <name>SessionDocument</name>
    <message>
        <source>Sesión nueva</source>
        <translation>New session</translation>
    </message>
    <message>
        <source>Guardar Sesión</source>
        <translation>Save Session</translation>
    </message>
    <message>
        <source>Ficheros de Sesión</source>
        <translation>Session Files</translation>
    </message>
    <message>
        <source>Guardar modificaciones de: %1?</source>
        <translation>Save the changes to: %1?</translation>
    </message>
    <message>
        <source>No se ha podido guardar %1. ¿Guardarla en otro lugar? (No: volver a la ventana sin salir)</source>
        <translation>%1 could not be saved. Save it somewhere else? (No: back to the window without exiting)</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>Error al leer datos</source>
        <translation>Error reading data</translation>
    </message>
    <message>
        <source>Error al grabar datos</source>
        <translation>Error writing data</translation>
    </message>
</context>
<context>
    <name>SessionImport</name>
    <message>
        <source>Línea </source>
        <translation>Line </translation>
    </message>
    <message>
        <source>solo se importan sesiones .sbg y .gnaural</source>
        <translation>only .sbg and .gnaural sessions are imported</translation>
    </message>
    <message>
        <source>no se puede leer el fichero</source>
        <translation>cannot read the file</translation>
    </message>
    <message>
        <source>el fichero es demasiado grande</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>Sesiones de otros programas (*.sbg *.gnaural)</source>
        <translation>Sessions of other programs (*.sbg *.gnaural)</translation>
    </message>
</context>
<context>
    <name>SessionInput</name>
    <message>
        <source>la entrada estándar</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>: demasiado grande para una sesión</source>
        <translation>: too large for a session</translation>
    </message>
    <message>
        <source>no se puede leer la sesión de </source>
        <translation>cannot read the session from </translation>
    </message>
    <message>
        <source>no se puede leer la sesión </source>
        <translation>cannot read the session </translation>
    </message>
</context>
<context>
    <name>SessionLibrary</name>
    <message>
        <source>Nueva Sesión</source>
        <translation>New Session</translation>
    </message>
    <message>
        <source>Guardar Sesión</source>
        <translation>Save Session</translation>
    </message>
    <message>
        <source>Ficheros de Sesión</source>
        <translation>Session Files</translation>
    </message>
    <message>
        <source>Añadir Sesión</source>
        <translation>Add Session</translation>
    </message>
    <message>
        <source>Ficheros de sesión</source>
        <translation>Session files</translation>
    </message>
    <message>
        <source>Guardar la sesión modificada?</source>
        <translation>Save the modified session?</translation>
    </message>
    <message>
        <source>Eliminar: %1?</source>
        <translation>Remove: %1?</translation>
    </message>
</context>
<context>
    <name>SessionRenderer</name>
    <message>
        <source>No hay ninguna fuente de sonido marcada</source>
        <translation>No sound source is ticked</translation>
    </message>
    <message>
        <source>La sesión no tiene duración: dura 00:00 (60 minutos se leen como 0, como en la barra de minutos)</source>
        <translation>The session has no length: it lasts 00:00 (60 minutes read as 0, as on the minutes bar)</translation>
    </message>
    <message>
        <source>No se puede iniciar el motor de sonido</source>
        <translation>Cannot start the sound engine</translation>
    </message>
    <message>
        <source>No se pueden preparar las ondas</source>
        <translation>Cannot prepare the waves</translation>
    </message>
    <message>
        <source>La sesión no se puede reproducir</source>
        <translation>The session cannot be played</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>error desconocido</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Ha fallado el paso de arranque %1: %2</source>
        <translation>The start-up step %1 failed: %2</translation>
    </message>
</context>
<context>
    <name>VerificationReport</name>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>%1 segundo</source>
        <translation>%1 second</translation>
    </message>
    <message>
        <source>%1 segundos</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>en %1 %2</source>
        <translation>in %1 %2</translation>
    </message>
    <message>
        <source>las frecuencias dibujadas quedan fuera de lo que se puede medir (de 20 Hz a 20 kHz)</source>
        <translation>the drawn frequencies lie outside what can be measured (20 Hz to 20 kHz)</translation>
    </message>
    <message>
        <source>otro sonido (la música) cubre los tonos</source>
        <translation>another sound (the music) covers the tones</translation>
    </message>
    <message>
        <source>no suena ningún tono</source>
        <translation>no tone sounds</translation>
    </message>
    <message>
        <source>Pulso monoaural (envolvente de cada oído)</source>
        <translation>Monaural beat (envelope in each ear)</translation>
    </message>
    <message>
        <source>Pulso isocrónico (ritmo de la envolvente)</source>
        <translation>Isochronic beat (rate of the envelope)</translation>
    </message>
    <message>
        <source>Pulso binaural (derecho − izquierdo)</source>
        <translation>Binaural beat (right − left)</translation>
    </message>
    <message>
        <source>Portadora (tono bajo, en ambos oídos)</source>
        <translation>Carrier (lower tone, in both ears)</translation>
    </message>
    <message>
        <source>Portadora (tono en ambos oídos)</source>
        <translation>Carrier (tone in both ears)</translation>
    </message>
    <message>
        <source>Portadora (tono izquierdo)</source>
        <translation>Carrier (left tone)</translation>
    </message>
    <message>
        <source>Con defectos</source>
        <translation>Defects found</translation>
    </message>
    <message>
        <source>Sin verificar</source>
        <translation>Not verified</translation>
    </message>
    <message>
        <source>Correcto</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>no se ha podido medir ningún tono binaural: </source>
        <translation>no binaural tone could be measured: </translation>
    </message>
    <message>
        <source>los tonos binaurales no están marcados.
</source>
        <translation>the binaural tones are not ticked.
</translation>
    </message>
    <message>
        <source>la grabación no dura lo bastante.
</source>
        <translation>the recording is not long enough.
</translation>
    </message>
    <message>
        <source>los tonos siguen las curvas dibujadas en los %1 segundos medidos (error máximo del pulso %2, de la portadora %3).
</source>
        <translation>the tones follow the drawn curves in the %1 seconds measured (largest error of the beat %2, of the carrier %3).
</translation>
    </message>
    <message>
        <source>los tonos se apartan de las curvas dibujadas.
</source>
        <translation>the tones stray from the drawn curves.
</translation>
    </message>
    <message>
        <source>Pulso: error máximo %1 en %2</source>
        <translation>Beat: largest error %1 at %2</translation>
    </message>
    <message>
        <source>Pulso: error máximo %1</source>
        <translation>Beat: largest error %1</translation>
    </message>
    <message>
        <source>; tono izquierdo %1; tono derecho %2.
</source>
        <translation>; left tone %1; right tone %2.
</translation>
    </message>
    <message>
        <source>No medible: %1.
</source>
        <translation>Not measurable: %1.
</translation>
    </message>
    <message>
        <source>Nivel de pico %1 dBFS</source>
        <translation>Peak level %1 dBFS</translation>
    </message>
    <message>
        <source>; saturación en %1 muestras (la primera en %2)</source>
        <translation>; clipping in %1 samples (the first at %2)</translation>
    </message>
    <message>
        <source>, sin saturación</source>
        <translation>, no clipping</translation>
    </message>
    <message>
        <source>Chasquidos: no se comprueban con música de fondo.</source>
        <translation>Clicks: not checked with background music.</translation>
    </message>
    <message>
        <source>%1 chasquidos (el primero en %2).</source>
        <translation>%1 clicks (the first at %2).</translation>
    </message>
    <message>
        <source>Sin chasquidos.</source>
        <translation>No clicks.</translation>
    </message>
    <message>
        <source>ningún tono medido</source>
        <translation>no tone measured</translation>
    </message>
    <message>
        <source>pulso %1, portadora %2 de error máximo en %3 s medidos</source>
        <translation>largest error of the beat %1, of the carrier %2, in %3 s measured</translation>
    </message>
    <message>
        <source>, %1 s cubiertos por la música</source>
        <translation>, %1 s covered by the music</translation>
    </message>
    <message>
        <source>, %1 s fuera de lo medible</source>
        <translation>, %1 s beyond what can be measured</translation>
    </message>
    <message>
        <source>, %1 s sin tono</source>
        <translation>, %1 s without a tone</translation>
    </message>
    <message>
        <source>; pico %1 dBFS; %2 muestras saturadas; </source>
        <translation>; peak %1 dBFS; %2 clipped samples; </translation>
    </message>
    <message>
        <source>%1 chasquidos</source>
        <translation>%1 clicks</translation>
    </message>
    <message>
        <source>chasquidos sin comprobar</source>
        <translation>clicks not checked</translation>
    </message>
</context>
<context>
    <name>vs::glasses::LedPanel</name>
    <message>
        <source>izquierda</source>
        <translation>left</translation>
    </message>
    <message>
        <source>abajo</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>derecha</source>
        <translation>right</translation>
    </message>
    <message>
        <source>arriba</source>
        <translation>top</translation>
    </message>
    <message>
        <source>LED %1, ojo izquierdo, %2</source>
        <translation>LED %1, left eye, %2</translation>
    </message>
    <message>
        <source>LED %1, ojo derecho, %2</source>
        <translation>LED %1, right eye, %2</translation>
    </message>
</context>
<context>
    <name>vs::glasses::frmSecuencia</name>
    <message>
        <source>Secuencia de luces</source>
        <translation>Light Sequence</translation>
    </message>
    <message>
        <source>Nº</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Denominación</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Seleccionar Secuencia</source>
        <translation>Select Sequence</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vs::library::LibraryGrid</name>
    <message>
        <source>Duración</source>
        <translation>Length</translation>
    </message>
</context>
<context>
    <name>vs::library::MusicGrid</name>
    <message>
        <source>Canción</source>
        <translation>Song</translation>
    </message>
</context>
<context>
    <name>vs::library::SessionGrid</name>
    <message>
        <source>Sesión</source>
        <translation>Session</translation>
    </message>
</context>
<context>
    <name>vs::options::frmOpciones</name>
    <message>
        <source>Stop Test</source>
        <translation>Stop Test</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Opciones</source>
        <translation>Options</translation>
    </message>
    <message>
        <source> Frecuencias (Hz)</source>
        <translation> Frequencies (Hz)</translation>
    </message>
    <message>
        <source>Frecuencia Binaural Máxima</source>
        <translation>Maximum Binaural Frequency</translation>
    </message>
    <message>
        <source>Frecuencia Base Máxima</source>
        <translation>Maximum Base Frequency</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Alfa</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Líneas del Grid</source>
        <translation>Grid lines</translation>
    </message>
    <message>
        <source>Texto de Frecuencias</source>
        <translation>Frequency labels</translation>
    </message>
    <message>
        <source>Música</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Tocar cíclicamente</source>
        <translation>Play in a loop</translation>
    </message>
    <message>
        <source>Tocar sólo canción seleccionada</source>
        <translation>Play the selected song only</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fade</translation>
    </message>
    <message>
        <source>Apagar volumen en los últimos</source>
        <translation>Fade out the volume over the last</translation>
    </message>
    <message>
        <source>(m:s)</source>
        <translation>(m:s)</translation>
    </message>
    <message>
        <source>Gafas mentales</source>
        <translation>Light glasses</translation>
    </message>
    <message>
        <source>Gafas mentales conectadas</source>
        <translation>Light glasses connected</translation>
    </message>
    <message>
        <source>Señal de luz en el audio</source>
        <translation>Light signal in the audio</translation>
    </message>
    <message>
        <source>Puerto Paralelo</source>
        <translation>Parallel Port</translation>
    </message>
    <message>
        <source>Salida Puerto</source>
        <translation>Port Output</translation>
    </message>
    <message>
        <source>Pulse un LED para cambiar su color</source>
        <translation>Click an LED to change its colour</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Binaural (auriculares)</source>
        <translation>Binaural (headphones)</translation>
    </message>
    <message>
        <source>Monoaural</source>
        <translation>Monaural</translation>
    </message>
    <message>
        <source>Isocrónico</source>
        <translation>Isochronic</translation>
    </message>
    <message>
        <source>Tipo de pulso</source>
        <translation>Pulse type</translation>
    </message>
    <message>
        <source>Binaural: un tono distinto en cada oído; el pulso nace dentro de la cabeza y sólo se oye con auriculares estéreo.
Monoaural: los dos tonos en los dos oídos; el pulso se oye en el aire, también por altavoces.
Isocrónico: un solo tono que se enciende y se apaga al ritmo del pulso; por altavoces o con auriculares de un solo lado.</source>
        <translation>Binaural: a different tone in each ear; the beat arises inside the head and is heard only with stereo headphones.
Monaural: both tones in both ears; the beat is heard in the air, through speakers too.
Isochronic: a single tone that switches on and off at the rate of the beat; through speakers or with one-sided headphones.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Rosa</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Marrón</source>
        <translation>Brown</translation>
    </message>
    <message>
        <source>Color del ruido</source>
        <translation>Noise colour</translation>
    </message>
    <message>
        <source>El ruido de la máscara. Original: el de siempre, agudo y brillante. Rosa: más suave, con menos agudos. Marrón: grave, como un rumor lejano. La barra de la máscara da el mismo volumen con los tres.</source>
        <translation>The masking noise. Original: the usual one, high and bright. Pink: softer, with less treble. Brown: deep, like a distant rumble. The masking noise bar gives the same volume with all three.</translation>
    </message>
    <message>
        <source>Intercambiar canales</source>
        <translation>Swap channels</translation>
    </message>
    <message>
        <source>Cambia el lado izquierdo por el derecho en todo el sonido, al reproducir y al exportar, para unos auriculares que llegan al revés. Compruébelo con Sesión &gt; Comprobar auriculares...</source>
        <translation>Swaps left and right in all of the sound, when playing and when exporting, for headphones that arrive the wrong way round. Check it with Session &gt; Check headphones...</translation>
    </message>
    <message>
        <source>Salida de audio</source>
        <translation>Audio output</translation>
    </message>
    <message>
        <source>El dispositivo por el que sale el sonido. Si se desconecta en mitad de una sesión, el sonido sigue por la salida predeterminada del sistema.</source>
        <translation>The device the sound goes out through. If it is disconnected in the middle of a session, the sound carries on through the system’s default output.</translation>
    </message>
    <message>
        <source>Predeterminada del sistema</source>
        <translation>System default</translation>
    </message>
    <message>
        <source> (no conectada)</source>
        <translation> (not connected)</translation>
    </message>
</context>
<context>
    <name>vs::session::GraphFrame</name>
    <message>
        <source>Duración sesión</source>
        <translation>Session length</translation>
    </message>
    <message>
        <source>Hz Binaural</source>
        <translation>Binaural Hz</translation>
    </message>
    <message>
        <source>Hz Base</source>
        <translation>Base Hz</translation>
    </message>
    <message>
        <source>Duración</source>
        <translation>Length</translation>
    </message>
</context>
<context>
    <name>vs::shell::ExportCommands</name>
    <message>
        <source>E&amp;xportar a audio...</source>
        <translation>E&amp;xport to audio...</translation>
    </message>
    <message>
        <source>&amp;Informe de verificación</source>
        <translation>Verification &amp;report</translation>
    </message>
    <message>
        <source>WAV, 16 bits (*.wav)</source>
        <translation>WAV, 16-bit (*.wav)</translation>
    </message>
    <message>
        <source>FLAC, 16 bits (*.flac)</source>
        <translation>FLAC, 16-bit (*.flac)</translation>
    </message>
    <message>
        <source>Ogg Vorbis (*.ogg)</source>
        <translation>Ogg Vorbis (*.ogg)</translation>
    </message>
    <message>
        <source>MP3 (*.mp3)</source>
        <translation>MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>Exportar a audio</source>
        <translation>Export to Audio</translation>
    </message>
    <message>
        <source>Formato desconocido: use .wav, .flac, .ogg o .mp3</source>
        <translation>Unknown format: use .wav, .flac, .ogg or .mp3</translation>
    </message>
    <message>
        <source>Informe de verificación</source>
        <translation>Verification Report</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Comprobando «%1»…</source>
        <translation>Checking “%1”…</translation>
    </message>
    <message>
        <source>Exportando «%1»…</source>
        <translation>Exporting “%1”…</translation>
    </message>
    <message>
        <source>Quedan %1</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>Calculando el tiempo restante…</source>
        <translation>Working out the time left…</translation>
    </message>
    <message>
        <source>¿Incluir en el audio la señal de luz de las gafas (19.200 Hz)?</source>
        <translation>Include the glasses’ light signal (19,200 Hz) in the audio?</translation>
    </message>
</context>
<context>
    <name>vs::shell::FrmSomnara</name>
    <message>
        <source>No se puede guardar la lista de sesiones en %1</source>
        <translation>Cannot save the session list in %1</translation>
    </message>
    <message>
        <source>No se puede guardar la lista de música en %1</source>
        <translation>Cannot save the music list in %1</translation>
    </message>
</context>
<context>
    <name>vs::shell::HeadphoneDialog</name>
    <message>
        <source>Comprobar auriculares</source>
        <translation>Check Headphones</translation>
    </message>
    <message>
        <source>Póngase los auriculares con el volumen bajo. Sonará un tono suave, primero en un oído y luego en el otro.</source>
        <translation>Put on the headphones with the volume low. A soft tone will sound, first in one ear and then in the other.</translation>
    </message>
    <message>
        <source>◀  Izquierdo</source>
        <translation>◀  Left</translation>
    </message>
    <message>
        <source>Derecho  ▶</source>
        <translation>Right  ▶</translation>
    </message>
    <message>
        <source>Aquí debe sonar el tono cuando está resaltado</source>
        <translation>The tone should sound here while it is highlighted</translation>
    </message>
    <message>
        <source>Sí, en ese oído</source>
        <translation>Yes, in that ear</translation>
    </message>
    <message>
        <source>El tono suena en el oído resaltado</source>
        <translation>The tone sounds in the highlighted ear</translation>
    </message>
    <message>
        <source>En el otro oído</source>
        <translation>In the other ear</translation>
    </message>
    <message>
        <source>El tono suena, pero en el oído contrario</source>
        <translation>The tone sounds, but in the opposite ear</translation>
    </message>
    <message>
        <source>No lo oigo</source>
        <translation>I can’t hear it</translation>
    </message>
    <message>
        <source>No se oye ningún tono</source>
        <translation>No tone can be heard</translation>
    </message>
    <message>
        <source>Intercambiar canales</source>
        <translation>Swap channels</translation>
    </message>
    <message>
        <source>Cambia el lado izquierdo por el derecho en todo el sonido del programa, al reproducir y al exportar; se guarda en Opciones</source>
        <translation>Swaps left and right in all of the program’s sound, when playing and when exporting; it is stored in Options</translation>
    </message>
    <message>
        <source>Repetir</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Vuelve a empezar por el oído izquierdo</source>
        <translation>Starts again with the left ear</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Termina la comprobación y apaga el tono</source>
        <translation>Ends the check and turns the tone off</translation>
    </message>
    <message>
        <source>¿Oye el tono en el oído izquierdo?</source>
        <translation>Do you hear the tone in the left ear?</translation>
    </message>
    <message>
        <source>¿Oye el tono en el oído derecho?</source>
        <translation>Do you hear the tone in the right ear?</translation>
    </message>
</context>
<context>
    <name>vs::shell::HelpWindow</name>
    <message>
        <source>Velorin Somnara - Ayuda</source>
        <translation>Velorin Somnara - Help</translation>
    </message>
</context>
<context>
    <name>vs::shell::PeerSessionCommands</name>
    <message>
        <source>El ruido de la sesión suena como máscara: su casilla está marcada y su barra en %1.</source>
        <translation>The session’s noise plays as the masking noise: its box is ticked and its bar at %1.</translation>
    </message>
    <message>
        <source>Importar sesión</source>
        <translation>Import Session</translation>
    </message>
    <message>
        <source>No se puede importar «%1».

%2</source>
        <translation>Cannot import “%1”.

%2</translation>
    </message>
    <message>
        <source>La sesión no tiene duración: no hay nada que exportar</source>
        <translation>The session has no length: there is nothing to export</translation>
    </message>
    <message>
        <source>Exportar como programa .sbg</source>
        <translation>Export as .sbg Schedule</translation>
    </message>
    <message>
        <source>Programas .sbg</source>
        <translation>.sbg schedules</translation>
    </message>
    <message>
        <source>No se puede escribir el programa en %1</source>
        <translation>Cannot write the schedule to %1</translation>
    </message>
</context>
<context>
    <name>vs::shell::SoundWiring</name>
    <message>
        <source>No se puede abrir la salida de audio%1; el sonido sigue por donde salía.</source>
        <translation>Cannot open the audio output%1; the sound carries on where it was going.</translation>
    </message>
    <message>
        <source>El sonido vuelve a salir por la salida predeterminada del sistema.</source>
        <translation>The sound goes out through the system’s default output again.</translation>
    </message>
    <message>
        <source>Se ha desconectado la salida de audio%1. El sonido sigue por la salida predeterminada del sistema.</source>
        <translation>The audio output%1 has been disconnected. The sound carries on through the system’s default output.</translation>
    </message>
    <message>
        <source>Se ha desconectado la salida de audio%1 y no hay otra que abrir. El sonido volverá en cuanto la haya.</source>
        <translation>The audio output%1 has been disconnected and there is no other to open. The sound will come back as soon as there is one.</translation>
    </message>
    <message>
        <source>No se puede comprobar: el sonido no se ha podido iniciar.</source>
        <translation>Cannot check: the sound could not be started.</translation>
    </message>
</context>
<context>
    <name>vs::shell::VerificationWindow</name>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Dibujado</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>Medido</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>minutos</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Informe de verificación</source>
        <translation>Verification Report</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Informe de verificación: «%1»</source>
        <translation>Verification report: “%1”</translation>
    </message>
    <message>
        <source>
Nota: </source>
        <translation>
Note: </translation>
    </message>
    <message>
        <source>Segundos medidos: %1 de %2    Error máximo: pulso %3, tono izquierdo %4, tono derecho %5 (tolerancia %6)
Pico: %7 dBFS    Muestras saturadas: %8    Chasquidos: %9</source>
        <translation>Seconds measured: %1 of %2    Largest error: beat %3, left tone %4, right tone %5 (tolerance %6)
Peak: %7 dBFS    Clipped samples: %8    Clicks: %9</translation>
    </message>
    <message>
        <source>no comprobados</source>
        <translation>not checked</translation>
    </message>
</context>
<context>
    <name>vs::shell::frmAbout</name>
    <message>
        <source>Acerca de Velorin Somnara</source>
        <translation>About Velorin Somnara</translation>
    </message>
    <message>
        <source>Sesiones de ondas binaurales con
gafas de luz y sonido</source>
        <translation>Binaural beat sessions with
light-and-sound glasses</translation>
    </message>
    <message>
        <source>Software libre: GNU GPL versión 3 o posterior
(GPL-3.0-or-later), sin ninguna garantía.</source>
        <translation>Free software: GNU GPL version 3 or later
(GPL-3.0-or-later), with no warranty at all.</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
