#version 120
// Wormhole swirl. Each quad is one particle (z = its fraction in [0, 1)):
// it enters at the rim of the capture disc and spirals in to the centre,
// turning faster as it closes in.

uniform float time_0_X;              // seconds
uniform float particleSystemHeight;  // capture radius in game units

varying vec2 texCoord;
varying vec4 tint;

const float fallSeconds = 4.0;  // rim to centre

float hash(float n) {
    return fract(sin(n * 127.1 + 11.7) * 43758.5453);
}

void main() {
    float id = gl_Vertex.z * 991.0;
    float rim = max(particleSystemHeight, 1.0);

    float age = fract(time_0_X / (fallSeconds * (0.7 + 0.6 * hash(id + 2.0))) + hash(id));
    float radius = rim * (1.0 - age) * (0.85 + 0.15 * hash(id + 4.0));
    // Angular speed grows as the radius shrinks: a whirlpool, not a wheel.
    float angle = hash(id + 1.0) * 6.2832 + 3.0 * age * age + 1.5 * age + time_0_X * 0.35;
    vec2 centre = radius * vec2(cos(angle), sin(angle));

    float size = rim * mix(0.05, 0.018, age);
    vec4 world = vec4(centre + gl_Vertex.xy * size, 0.0, 1.0);
    gl_Position = gl_ModelViewProjectionMatrix * world;
    texCoord = gl_Vertex.xy * 0.5 + 0.5;

    vec3 blue = vec3(0.25, 0.4, 1.0);
    vec3 violet = vec3(0.65, 0.3, 1.0);
    vec3 colour = mix(blue, violet, hash(id + 3.0));
    // Fade in at the rim, out before the centre, so the eye stays dark.
    float fade = smoothstep(0.0, 0.25, age) * (1.0 - smoothstep(0.75, 1.0, age));
    tint = vec4(colour, fade * 0.45);
}
